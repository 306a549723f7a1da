// Tests of windows on the display they are given (QT_QPA_PLATFORM and the display's variables
// as the caller set them), never offscreen. A warning from Qt's platform layer fails the run:
// on a real display it is how a window the desktop does not accept shows itself.
#include <gtest/gtest.h>

#include <QApplication>
#include <QByteArray>
#include <QMutex>
#include <QMutexLocker>
#include <QString>
#include <QStringList>
#include <cstdio>

#include "tests/support/modal_answer.h"
#include "tests/support/platform_warnings.h"

namespace orvan::test {
namespace {

QMutex warningsLock;
QStringList& RecordedWarnings() {
    static QStringList warnings;
    return warnings;
}
QtMessageHandler qtHandler = nullptr;

/// Qt's platform layer speaks in the categories qt.qpa.* (and its Wayland plugin in
/// qt.qpa.wayland.*); the plugin's loader also warns without a category when a platform is
/// missing or fails.
bool FromThePlatform(const QMessageLogContext& context, const QString& message) {
    const QByteArray category = context.category != nullptr ? context.category : "";
    return category.startsWith("qt.qpa") || category.startsWith("qt.waylandclient") ||
           message.contains(QLatin1String("platform plugin"), Qt::CaseInsensitive) ||
           message.contains(QLatin1String("wayland"), Qt::CaseInsensitive);
}

void RecordWarnings(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type != QtDebugMsg && type != QtInfoMsg && FromThePlatform(context, message)) {
        const QMutexLocker lock(&warningsLock);
        RecordedWarnings().push_back(message);
    }
    if (qtHandler != nullptr) {
        qtHandler(type, context, message);
    } else {
        std::fprintf(stderr, "%s\n", qPrintable(message));
    }
}

/// Each test ends with no answer to a dialog left waiting for the next one.
class ModalPollerCleaner : public ::testing::EmptyTestEventListener {
    void OnTestEnd(const ::testing::TestInfo&) override { ForgetUnansweredModals(); }
};

}  // namespace

QStringList TakePlatformWarnings() {
    const QMutexLocker lock(&warningsLock);
    QStringList taken;
    taken.swap(RecordedWarnings());
    return taken;
}

}  // namespace orvan::test

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        std::fputs("QT_QPA_PLATFORM is not set: these tests run on the display they are given\n",
                   stderr);
        return 1;
    }
    orvan::test::qtHandler = qInstallMessageHandler(orvan::test::RecordWarnings);
    // The tests read the Greek interface, whatever the desktop's language.
    qputenv("ORVAN_LANGUAGE", "el");
    int status = 0;
    {
        QApplication application(argc, argv);
        ::testing::InitGoogleTest(&argc, argv);
        ::testing::UnitTest::GetInstance()->listeners().Append(new orvan::test::ModalPollerCleaner);
        status = RUN_ALL_TESTS();
    }
    // What the platform said while the windows closed and the application ended counts too.
    for (const QString& warning : orvan::test::TakePlatformWarnings()) {
        std::fprintf(stderr, "platform warning: %s\n", qPrintable(warning));
        status = 1;
    }
    return status;
}
