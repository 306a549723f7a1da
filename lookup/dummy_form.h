// The auxiliary form that is never shown: its rich-text view holds the document being printed.
#pragma once

#include <QWidget>

namespace orvan::richtext {
class RichTextView;
}

namespace orvan::lookup {

class TDummyFrm : public QWidget {
  public:
    TDummyFrm();

    richtext::RichTextView* PrintText;
};

}  // namespace orvan::lookup
