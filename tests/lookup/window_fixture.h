// A lookup window on a small lexicon of the test's own, with its own start folder, HOME and
// configuration folder, and keyboard layouts that only remember what was activated.
#pragma once

#include <gtest/gtest.h>

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QString>
#include <QToolButton>
#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "lookup/lookup_window.h"
#include "personal/personal_store.h"
#include "platform/keyboard_layouts.h"
#include "tests/support/lexicon_fixture.h"
#include "tests/support/qt_text.h"

/// Shows QStrings readably in failure messages.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace orvan::test {

/// \brief Code page 1253 text as RTF writes it: every byte above 127 as \'hh (the scrambled
/// description store keeps only the lower bytes as they are).
std::string RtfEscaped(const std::string& codePage);

/// The desktop's layouts: `names`, the one active first `firstActive`, then the last one of
/// `activations` (which a test may add to, as the person's own switches).
class FakeLayouts : public platform::KeyboardLayouts {
  public:
    explicit FakeLayouts(std::vector<std::string> names, std::vector<int>* activations,
                         int firstActive = -1)
        : names_(std::move(names)), activations_(activations), firstActive_(firstActive) {}
    std::vector<std::string> names() const override { return names_; }
    void activate(int index) override { activations_->push_back(index); }
    int active() const override {
        return activations_->empty() ? firstActive_ : activations_->back();
    }

  private:
    std::vector<std::string> names_;
    std::vector<int>* activations_;
    int firstActive_;
};

class WindowTest : public ::testing::Test {
  protected:
    WindowTest();
    ~WindowTest() override;

    /// Writes the lexicon (and the personal folder, named on line 2 of a settings file when
    /// `withPersonal`), then creates and shows the window.
    void open(bool withPersonal = false);
    /// Creates the window without showing it.
    void create(bool withPersonal = false);
    void show();

    const lookup::LookupControls& c() const { return window->controls(); }

    /// Types `text` into the search field as a user would, character by character.
    void type(const QString& text);
    /// Types and presses Enter.
    void search(const QString& text);
    std::vector<QString> listTexts() const;
    /// The table slots of the entries the list holds.
    std::vector<int> listSlots() const;
    /// Clicks list row `row` with the mouse.
    void clickRow(int row);

    /// \brief Presses the print button. The print dialog, when one opens, runs `whileOpen`, then
    /// prints to the PDF file `pdf`, or is cancelled when `pdf` is empty. Returns whether a
    /// dialog opened.
    bool printToPdf(const QString& pdf, const std::function<void()>& whileOpen = {});

    /// Runs `action` and answers the message box it opens; returns the box's text.
    QString messageFrom(const std::function<void()>& action);

    std::string configFolder() const { return home.path() + "/.config"; }

    // Another program's change of the personal folder: its own load of the files, its own
    // store call.
    void elsewhereChange(
        const std::function<personal::StoreResult(const personal::StoreContext&)>& change);
    void elsewhereInsert(const std::string& english);
    void elsewhereDelete(long long number);
    /// The English headwords of the user's own entries, as the files hold them now.
    std::vector<std::string> personalHeadwords() const;

    /// When there is no settings file, the window is started with one that leaves the start
    /// screen out; false starts it as on the first run.
    bool quietStart = true;

    TempFolder program, home, personal;
    LexiconBuilder lexicon;
    std::vector<std::string> layoutNames{"English (US)", "Greek"};
    std::vector<int> activations;
    int firstLayout = -1;  // the layout active when the window is made
    std::unique_ptr<lookup::LookupWindow> window;

  private:
    std::string previousFolder_;
    QByteArray previousHome_, previousConfig_;
};

}  // namespace orvan::test
