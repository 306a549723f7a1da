// The auxiliary form that is never shown: its rich-text view holds the document being printed.
#pragma once

#include <QWidget>

namespace orvan::richtext {
class RichTextView;
}

namespace orvan::lookup {

class PrintSurface : public QWidget {
  public:
    PrintSurface();

    richtext::RichTextView* view;
};

}  // namespace orvan::lookup
