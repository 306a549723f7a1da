// The window under a dark desktop palette: its own coloured texts and a description's coloured
// runs stay readable on the backgrounds they are drawn on.
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPalette>
#include <QTextBlock>

#include "lookup/entries_list.h"
#include "richtext/colour_contrast.h"
#include "richtext/rich_text_view.h"
#include "tests/lookup/window_fixture.h"

namespace orvan::test {
namespace {

richtext::Rgb ToRgb(const QColor& colour) {
    return {colour.red(), colour.green(), colour.blue()};
}

double Contrast(const QColor& a, const QColor& b) {
    return richtext::ContrastRatio(ToRgb(a), ToRgb(b));
}

class DarkColoursTest : public WindowTest {
  protected:
    void SetUp() override {
        saved_ = QApplication::palette();
        QPalette dark;
        dark.setColor(QPalette::Window, QColor(53, 53, 53));
        dark.setColor(QPalette::WindowText, Qt::white);
        dark.setColor(QPalette::Base, QColor(42, 42, 42));
        dark.setColor(QPalette::AlternateBase, QColor(66, 66, 66));
        dark.setColor(QPalette::Text, Qt::white);
        dark.setColor(QPalette::Button, QColor(53, 53, 53));
        dark.setColor(QPalette::ButtonText, Qt::white);
        dark.setColor(QPalette::Highlight, QColor(42, 130, 218));
        dark.setColor(QPalette::HighlightedText, Qt::black);
        dark.setColor(QPalette::PlaceholderText, QColor(160, 160, 160));
        QApplication::setPalette(dark);
        lexicon.addGreek(lexicon.addEntry("engine", "{x}", 1, "MECH"), Cp("μηχανή"));
        lexicon.addField("MECH", Cp("Μηχανολογία"));
        open();
    }
    void TearDown() override {
        window.reset();
        QApplication::setPalette(saved_);
    }

  private:
    QPalette saved_;
};

TEST_F(DarkColoursTest, TheFieldsColouredTextsReadOnTheirBackground) {
    search("eng");
    clickRow(0);
    for (QLineEdit* field : {c().searchField, c().scienceField, c().renderingField}) {
        const QPalette& palette = field->palette();
        EXPECT_LT(palette.color(QPalette::Base).lightness(), 128)
            << field->objectName().toStdString();
        EXPECT_GE(Contrast(palette.color(QPalette::Text), palette.color(QPalette::Base)), 4.5)
            << field->objectName().toStdString();
    }
    // The list's rows are written in the desktop's own text colour on the same background.
    const QPalette& list = c().entriesList->palette();
    EXPECT_GE(Contrast(list.color(QPalette::Text), list.color(QPalette::Base)), 4.5);
}

TEST_F(DarkColoursTest, ADarkRunOfTheDescriptionIsLightened) {
    richtext::RichTextView* view = c().descriptionView;
    view->loadRtf("{\\rtf1{\\colortbl;\\red0\\green0\\blue128;}\\cf1 navy}");
    const QColor run =
        view->document()->firstBlock().begin().fragment().charFormat().foreground().color();
    EXPECT_GE(Contrast(run, view->palette().color(QPalette::Base)), 3.0);
    EXPECT_EQ(run.red(), run.green());  // still a blue
    EXPECT_EQ(view->plainText(), "navy");
}

}  // namespace
}  // namespace orvan::test
