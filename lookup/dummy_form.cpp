#include "lookup/dummy_form.h"

#include "richtext/rich_text_view.h"

namespace orvan::lookup {

TDummyFrm::TDummyFrm() : PrintText(new richtext::RichTextView(this)) {
    setObjectName("TDummyFrm");
    PrintText->setObjectName("PrintText");
    // As wide as a printed page's text, so that a document laid out here reads as printed.
    PrintText->resize(624, 400);
}

}  // namespace orvan::lookup
