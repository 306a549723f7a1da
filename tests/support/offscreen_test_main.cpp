// Tests that need a QApplication for documents and widgets; they run offscreen.
#include <gtest/gtest.h>

#include <QApplication>

#include "tests/support/modal_answer.h"

namespace {

/// Each test ends with no answer to a dialog left waiting for the next one.
class ModalPollerCleaner : public ::testing::EmptyTestEventListener {
    void OnTestEnd(const ::testing::TestInfo&) override { orvan::test::ForgetUnansweredModals(); }
};

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // The tests read the Greek interface, whatever the desktop's language.
    qputenv("ORVAN_LANGUAGE", "el");
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new ModalPollerCleaner);
    return RUN_ALL_TESTS();
}
