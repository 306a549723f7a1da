// The windows under a dark desktop palette: their own coloured texts, the desktop's texts on
// backgrounds of their own and a description's coloured runs stay readable on what is really
// drawn behind them; under the light palette the colours are the ones the windows were laid out
// with.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>

#include "lookup/entries_list.h"
#include "personal/entry_editor_dialog.h"
#include "platform/desktop_look.h"
#include "richtext/colour_contrast.h"
#include "richtext/rich_text_view.h"
#include "setup/start_screen.h"
#include "setup/uninstall_question_dialog.h"
#include "tests/lookup/window_fixture.h"
#include "tests/support/modal_answer.h"

namespace orvan::test {
namespace {

using platform::kMaroon;
using platform::kNavy;
using platform::kSilver;
using platform::kTeal;

constexpr double kReadable = 4.5;

richtext::Rgb ToRgb(const QColor& colour) {
    return {colour.red(), colour.green(), colour.blue()};
}

double Contrast(const QColor& a, const QColor& b) {
    return richtext::ContrastRatio(ToRgb(a), ToRgb(b));
}

QColor TextColour(const QWidget* widget) {
    return widget->palette().color(QPalette::WindowText);
}

/// The least contrast of `text` with any pixel of `behind` inside `area`.
double LeastContrast(const QColor& text, const QImage& behind, QRect area) {
    area &= behind.rect();
    double least = 21.0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            least = std::min(least, Contrast(text, behind.pixelColor(x, y)));
    }
    return least;
}

/// A texts-on-the-window check: `text` on what `under` draws inside `widget`'s place.
double LeastContrastOver(const QWidget* widget, const QColor& text, QWidget* under) {
    const QImage behind = under->grab().toImage();
    const QRect area(under->mapFrom(widget->parentWidget(), widget->pos()), widget->size());
    return LeastContrast(text, behind, area);
}

/// A dark palette of a desktop's own, unlike the program's: its links left as the light
/// palette's blue.
QPalette DesktopDarkPalette() {
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
    return dark;
}

enum class Look { Light, DesktopDark, ProgramDark };

std::string LookName(const ::testing::TestParamInfo<Look>& info) {
    switch (info.param) {
        case Look::Light:
            return "Light";
        case Look::DesktopDark:
            return "DesktopDark";
        case Look::ProgramDark:
            return "ProgramDark";
    }
    return {};
}

class ColoursTest : public WindowTest, public ::testing::WithParamInterface<Look> {
  protected:
    void SetUp() override {
        saved_ = QApplication::palette();
        if (GetParam() == Look::DesktopDark) QApplication::setPalette(DesktopDarkPalette());
        if (GetParam() == Look::ProgramDark) QApplication::setPalette(platform::DarkPalette());
        lexicon.addGreek(lexicon.addEntry("engine", "{x torque}", 1, "MECH"), Cp("μηχανή"));
        lexicon.addField("MECH", Cp("Μηχανολογία"));
        // A light background picture, white where it is lightest.
        QImage picture(600, 340, QImage::Format_RGB32);
        picture.fill(Qt::white);
        for (int y = 0; y < picture.height(); y += 8) {
            for (int x = 0; x < picture.width(); ++x)
                picture.setPixelColor(x, y, QColor(200, 214, 228));
        }
        QDir(QString::fromStdString(program.path())).mkpath("content");
        ASSERT_TRUE(picture.save(QString::fromStdString(program.path()) + "/content/backmain.bmp"));
        picture_ = picture;
        open(true);
    }
    void TearDown() override {
        // The editor before the window it belongs to.
        editor_.reset();
        start_.reset();
        window.reset();
        QApplication::setPalette(saved_);
    }

    bool dark() const { return GetParam() != Look::Light; }
    const QPalette& desktop() const { return saved_; }
    const QImage& picture() const { return picture_; }

    personal::EntryEditorDialog* openEditor() {
        personal::PendingEntry entry{"engine", "", 1, "a note"};
        editor_ = std::make_unique<personal::EntryEditorDialog>(
            personal::EntryEditMode::Update, EntryKind::Personal,
            QStringList{" ", Q("Μηχανολογία")}, entry, personal::EditorActions{}, window.get());
        editor_->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(editor_.get()));
        return editor_.get();
    }

    setup::StartScreen* openStartScreen() {
        context_.startFolder = program.path() + "/";
        context_.settingsPath = configFolder() + "/Orvan.ini";
        start_ = std::make_unique<setup::StartScreen>(context_, setup::Presentation::Partner,
                                                      setup::kDivisionPage);
        start_->setOpeningDuration(0);
        start_->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(start_.get()));
        return start_.get();
    }

  private:
    QPalette saved_;
    QImage picture_;
    setup::StartScreenContext context_;
    std::unique_ptr<personal::EntryEditorDialog> editor_;
    std::unique_ptr<setup::StartScreen> start_;
};

INSTANTIATE_TEST_SUITE_P(Looks, ColoursTest,
                         ::testing::Values(Look::Light, Look::DesktopDark, Look::ProgramDark),
                         LookName);

TEST_P(ColoursTest, TheTextsOnTheWindowReadOnEveryPixelBehindThem) {
    search("eng");
    clickRow(0);
    const QLabel* texts[] = {c().fieldFilterLabel, c().scienceLabel,    c().renderingLabel,
                             c().headwordLabel,    c().listStatusLabel, c().publisherLabel};
    // Under a dark desktop every text reads on every pixel of the picture behind it, its white
    // included. (Under the light one the texts keep the colours they were laid out with, below.)
    if (dark()) {
        for (const QLabel* text : texts) {
            const std::string name = text->objectName().toStdString();
            EXPECT_GE(LeastContrastOver(text, TextColour(text), c().backgroundImage), kReadable)
                << name;
        }
        const QColor link = c().listStatusLabel->palette().color(QPalette::Link);
        EXPECT_GE(LeastContrastOver(c().listStatusLabel, link, c().backgroundImage), kReadable);
    }
    // The science combo keeps its maroon on silver, which reads under any desktop.
    const QPalette& combo = c().fieldFilterCombo->palette();
    EXPECT_GE(Contrast(combo.color(QPalette::ButtonText), combo.color(QPalette::Button)),
              kReadable);
    EXPECT_GE(Contrast(combo.color(QPalette::Text), combo.color(QPalette::Base)), kReadable);

    const QImage drawn = c().backgroundImage->pixmap().toImage();
    if (!dark()) {
        // The colours the window was laid out with, and the picture as the file holds it.
        EXPECT_EQ(TextColour(c().headwordLabel), kTeal);
        EXPECT_EQ(TextColour(c().listStatusLabel), kNavy);
        EXPECT_EQ(TextColour(c().publisherLabel), kNavy);
        EXPECT_EQ(c().listStatusLabel->palette().color(QPalette::Link),
                  desktop().color(QPalette::Link));
        for (const QLabel* label : {c().fieldFilterLabel, c().scienceLabel, c().renderingLabel})
            EXPECT_EQ(TextColour(label), desktop().color(QPalette::WindowText));
        EXPECT_EQ(combo.color(QPalette::Button), kSilver);
        EXPECT_EQ(combo.color(QPalette::Text), kMaroon);
        EXPECT_EQ(drawn.convertToFormat(QImage::Format_RGB32),
                  picture().convertToFormat(QImage::Format_RGB32));
        return;
    }
    // Under a dark desktop the picture is toned dark, its shading kept.
    EXPECT_LT(drawn.pixelColor(10, 1).lightness(), 128);
    EXPECT_NE(drawn.pixelColor(10, 0), drawn.pixelColor(10, 1));
    EXPECT_EQ(TextColour(c().headwordLabel).hue(), kTeal.hue());
    EXPECT_EQ(TextColour(c().publisherLabel).hue(), kNavy.hue());
}

TEST_P(ColoursTest, TheDataFieldsAndTheDescriptionMarksRead) {
    search("eng");
    clickRow(0);
    for (QLineEdit* field : {c().searchField, c().scienceField, c().renderingField}) {
        const QPalette& palette = field->palette();
        const std::string name = field->objectName().toStdString();
        EXPECT_EQ(palette.color(QPalette::Base).lightness() < 128, dark()) << name;
        EXPECT_GE(Contrast(palette.color(QPalette::Text), palette.color(QPalette::Base)), kReadable)
            << name;
    }
    // The list's rows are written in the desktop's own text colour on the same background.
    const QPalette& list = c().entriesList->palette();
    EXPECT_GE(Contrast(list.color(QPalette::Text), list.color(QPalette::Base)), kReadable);

    // A word found in the descriptions is marked light; what is written on the mark reads.
    c().searchField->setText("torque");
    WhenModal([](QWidget* modal) { modal->findChild<QPushButton*>("yesButton")->click(); });
    c().fullTextSearchButton->click();
    clickRow(0);
    const QList<QTextEdit::ExtraSelection> marks = c().descriptionView->extraSelections();
    ASSERT_EQ(marks.size(), 1);
    const QTextCharFormat& mark = marks.front().format;
    const QColor written = mark.hasProperty(QTextFormat::ForegroundBrush)
                               ? mark.foreground().color()
                               : c().descriptionView->palette().color(QPalette::Text);
    EXPECT_GE(Contrast(written, mark.background().color()), kReadable);
    if (!dark()) {
        EXPECT_FALSE(mark.hasProperty(QTextFormat::ForegroundBrush));
    }
}

TEST_P(ColoursTest, ADarkRunOfTheDescriptionIsLightenedOnlyUnderADarkDesktop) {
    richtext::RichTextView* view = c().descriptionView;
    view->loadRtf("{\\rtf1{\\colortbl;\\red0\\green0\\blue128;}\\cf1 navy}");
    const QColor run =
        view->document()->firstBlock().begin().fragment().charFormat().foreground().color();
    EXPECT_EQ(view->plainText(), "navy");
    if (!dark()) {
        EXPECT_EQ(run, kNavy);
        return;
    }
    EXPECT_GE(Contrast(run, view->palette().color(QPalette::Base)), 3.0);
    EXPECT_EQ(run.red(), run.green());  // still a blue
}

TEST_P(ColoursTest, TheEditorsColouredTextsReadOnTheirControls) {
    personal::EntryEditorDialog* editor = openEditor();
    for (const char* name : {"englishField", "greekField"}) {
        const QPalette& field = editor->findChild<QLineEdit*>(name)->palette();
        EXPECT_GE(Contrast(field.color(QPalette::Text), field.color(QPalette::Base)), kReadable)
            << name;
        if (!dark()) {
            EXPECT_EQ(field.color(QPalette::Text), kTeal) << name;
        }
    }
    auto* combo = editor->findChild<QComboBox*>("fieldCombo");
    const QColor text = combo->palette().color(QPalette::ButtonText);
    // The face the style really paints, down a column left of the text, and the list's base.
    const QImage face = combo->grab().toImage();
    EXPECT_GE(LeastContrast(text, face, QRect(2, 3, 1, face.height() - 6)), kReadable);
    EXPECT_GE(
        Contrast(combo->palette().color(QPalette::Text), combo->palette().color(QPalette::Base)),
        kReadable);
    if (!dark()) {
        EXPECT_EQ(text, kMaroon);
    }
}

TEST_P(ColoursTest, TheStartScreensTextsReadOnItsOwnLightBackgrounds) {
    setup::StartScreen* start = openStartScreen();
    auto* cover = start->findChild<QLabel*>("coverImage");
    // The coloured labels on the screen's ground (the cover picture, missing here): under the
    // light desktop as laid out (the teal reads at about 3:1 there), deepened under a dark one.
    const std::pair<const char*, QColor> labels[] = {{"partnerTitle", kNavy},
                                                     {"lexiconLabel", kTeal}};
    for (const auto& [name, laidOut] : labels) {
        const auto* label = start->findChild<QLabel*>(name);
        if (!dark()) continue;
        EXPECT_GE(LeastContrastOver(label, TextColour(label), cover), kReadable) << name;
        EXPECT_EQ(TextColour(label).hue(), laidOut.hue()) << name;
    }
    const auto* publisher = start->findChild<QLabel*>("publisherTitle");
    EXPECT_GE(Contrast(TextColour(publisher), publisher->palette().color(QPalette::Window)),
              kReadable);
    auto* box = start->findChild<QCheckBox*>("hideCheckBox");
    // The box's caption on the pixels the box really fills itself with.
    const QImage boxDrawn = box->grab().toImage();
    EXPECT_GE(Contrast(TextColour(box), boxDrawn.pixelColor(boxDrawn.width() - 2, 1)), kReadable);
    const auto* text = start->findChild<richtext::RichTextView*>("partnerText");
    EXPECT_GE(
        Contrast(text->palette().color(QPalette::Text), text->palette().color(QPalette::Base)),
        kReadable);

    setup::UninstallQuestionDialog question(start);
    EXPECT_GE(Contrast(TextColour(&question), question.palette().color(QPalette::Window)),
              kReadable);
    if (dark()) return;
    EXPECT_EQ(TextColour(start->findChild<QLabel*>("partnerTitle")), kNavy);
    EXPECT_EQ(TextColour(start->findChild<QLabel*>("lexiconLabel")), kTeal);
    EXPECT_EQ(TextColour(box), desktop().color(QPalette::WindowText));
    EXPECT_EQ(text->palette().color(QPalette::Text), desktop().color(QPalette::Text));
    EXPECT_EQ(TextColour(&question), QColor(Qt::black));
}

}  // namespace
}  // namespace orvan::test
