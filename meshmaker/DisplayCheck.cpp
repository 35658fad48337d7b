// The display check and the connection to the display.
// The twin of pgpack/DisplayCheck.cpp (the two differ only in these lines).

#include "DisplayCheck.h"

#include <QTextStream>

#include <cstdlib>
#include <utility>
#include <vector>

namespace {

// The variables that can name a display.
constexpr const char* DisplayVariables[] = {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"};

QtMessageHandler passOn = nullptr;
std::vector<std::pair<QtMsgType, QString>> heldBack;
QString (*unreachableLine)(const QString&) = nullptr;
int failedStatus = 1;

// The variable that names the display, with its value.
QString NamedVariable() {
    for (const char* name : DisplayVariables)
        if (!qEnvironmentVariableIsEmpty(name))
            return QStringLiteral("%1=%2").arg(QLatin1String(name), qEnvironmentVariable(name));
    return {};
}

void WhileConnecting(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtFatalMsg) {
        QTextStream(stderr) << unreachableLine(NamedVariable());
        std::_Exit(failedStatus);
    }
    heldBack.emplace_back(type, message);
}

} // namespace

namespace DisplayCheck {

bool Named() {
#if defined(Q_OS_WIN) || defined(Q_OS_MACOS)
    return true;
#else
    bool any = false;
    for (const char* name : DisplayVariables) {
        if (qEnvironmentVariableIsSet(name) && qEnvironmentVariableIsEmpty(name)) qunsetenv(name);
        any = any || !qEnvironmentVariableIsEmpty(name);
    }
    return any;
#endif
}

void HoldMessagesWhileConnecting(QString (*unreachable)(const QString& variable), int failed) {
    unreachableLine = unreachable;
    failedStatus = failed;
    passOn = qInstallMessageHandler(WhileConnecting);
}

void PassOnHeldMessages() {
    qInstallMessageHandler(passOn);
    for (const auto& [type, message] : heldBack)
        if (passOn) passOn(type, QMessageLogContext(), message);
    heldBack.clear();
}

} // namespace DisplayCheck
