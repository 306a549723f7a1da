#include "lookup/print_surface.h"

#include "richtext/rich_text_view.h"

namespace orvan::lookup {

PrintSurface::PrintSurface() : view(new richtext::RichTextView(this)) {
    setObjectName("PrintSurface");
    view->setObjectName("view");
    // As wide as a printed page's text, so that a document laid out here reads as printed.
    view->resize(624, 400);
}

}  // namespace orvan::lookup
