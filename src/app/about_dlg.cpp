#include "app/about_dlg.h"

#include "res/texts.h"
#include "res/version.h"
#include "ui/program_icon.h"

#include <QFont>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QRect>

namespace {

// The dialog's face; the one the layout's units are measured in.
constexpr char kAboutFontFamily[] = "IPAPGothic";
constexpr int kAboutFontPoints = 9;

QLabel* AddText(QWidget* pDialog, const QString& text, const QRect& rect) {
    auto* pLabel = new QLabel(text, pDialog);
    // No '&' is taken as a mnemonic and nothing is read as markup: the texts show as written.
    pLabel->setTextFormat(Qt::PlainText);
    pLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    pLabel->setGeometry(rect);
    return pLabel;
}

} // namespace

CAboutDlg::CAboutDlg(QWidget* pParent)
    : QDialog(pParent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("IDD_ABOUTBOX"));
    setWindowTitle(QString::fromUtf8(kTextAboutTitle));
    setFont(QFont(QString::fromLatin1(kAboutFontFamily), kAboutFontPoints));

    // The average width of the 52 Latin letters, rounded, and the full character height.
    const QFontMetrics metrics(font());
    const int nLetters = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    m_nBaseUnitX = (nLetters / 26 + 1) / 2;
    m_nBaseUnitY = metrics.height();

    // Controls in tab order. The icon keeps its own 32 x 32 pixels at its place.
    auto* pIcon = new QLabel(this);
    pIcon->setObjectName(QStringLiteral("IDR_MAINFRAME"));
    pIcon->setPixmap(LoadProgramIcon());
    pIcon->setGeometry(QRect(MapDialogRect(QRect(11, 17, 20, 20)).topLeft(), QSize(32, 32)));

    AddText(this, QString::fromUtf8(kTextAboutVersion).arg(kVersionMajor).arg(kVersionMinor),
            MapDialogRect(QRect(37, 15, 68, 8)));
    AddText(this, QString::fromUtf8(kLegalCopyright), MapDialogRect(QRect(109, 15, 111, 8)));

    auto* pOk = new QPushButton(QString::fromUtf8(kTextAboutOk), this);
    pOk->setObjectName(QStringLiteral("IDOK"));
    pOk->setGeometry(MapDialogRect(QRect(178, 34, 50, 14)));
    pOk->setDefault(true);
    connect(pOk, &QPushButton::clicked, this, &QDialog::accept);

    QLabel* pReadFirst = AddText(this, QString::fromUtf8(kTextAboutReadFirst),
                                 MapDialogRect(QRect(37, 28, 140, 13)));
    pReadFirst->setWordWrap(true);

    setFixedSize(MapDialogRect(QRect(0, 0, 235, 55)).size());
    pOk->setFocus();
}

QRect CAboutDlg::MapDialogRect(const QRect& units) const {
    // Each edge is mapped and rounded on its own, so that neighbouring controls meet exactly.
    const auto scale = [](int nUnits, int nBase, int nDivisor) {
        return (nUnits * nBase + nDivisor / 2) / nDivisor;
    };
    const int nLeft = scale(units.x(), m_nBaseUnitX, 4);
    const int nRight = scale(units.x() + units.width(), m_nBaseUnitX, 4);
    const int nTop = scale(units.y(), m_nBaseUnitY, 8);
    const int nBottom = scale(units.y() + units.height(), m_nBaseUnitY, 8);
    return QRect(nLeft, nTop, nRight - nLeft, nBottom - nTop);
}
