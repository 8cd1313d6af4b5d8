#include "app/display_check.h"

#include "res/texts.h"

#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

namespace {

struct HeldMessage {
    QtMsgType nType;
    QString text;
    std::string file;
    std::string function;
    std::string category;
};

QtMessageHandler g_pfnPrevious = nullptr;
std::vector<HeldMessage>* g_pHeld = nullptr;

void HoldingHandler(QtMsgType nType, const QMessageLogContext& context, const QString& text) {
    if (nType == QtFatalMsg) {
        ReportNoDisplay();
        std::_Exit(2);
    }
    if (g_pHeld) {
        HeldMessage held{nType, text, context.file ? context.file : "",
                         context.function ? context.function : "",
                         context.category ? context.category : ""};
        g_pHeld->push_back(std::move(held));
    }
}

} // namespace

void ReportNoDisplay() {
    std::fputs(kTextNoDisplay, stderr);
    std::fputc('\n', stderr);
    std::fflush(stderr);
}

bool DisplayMayBeReachable(int argc, char** argv) {
    for (const char* pszName : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
        const char* pszValue = std::getenv(pszName);
        if (pszValue && *pszValue)
            return true;
    }
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "-platform") == 0)
            return true;
    }
    return false;
}

CDisplayGuard::CDisplayGuard() {
    g_pHeld = new std::vector<HeldMessage>;
    g_pfnPrevious = qInstallMessageHandler(HoldingHandler);
}

CDisplayGuard::~CDisplayGuard() {
    qInstallMessageHandler(g_pfnPrevious);
    std::vector<HeldMessage>* pHeld = std::exchange(g_pHeld, nullptr);
    for (HeldMessage& held : *pHeld) {
        const QMessageLogContext context(held.file.c_str(), 0, held.function.c_str(),
                                         held.category.c_str());
        qt_message_output(held.nType, context, held.text);
    }
    delete pHeld;
}
