#include "sidewindows/FAbout.h"

#include "platform/HostPath.h"
#include "platform/InstallLayout.h"
#include "platform/MessageSink.h"
#include "sidewindows/AboutPictures.h"
#include "startup/InterfaceLanguage.h"
#include "startup/modTools.h"

#include <QApplication>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace {

constexpr QSize kDesignedSize(430, 290);

QLabel* MakeLabel(QWidget* parent, const char* name, const QRect& place)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(place);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QStringList VersionParts()
{
    QStringList parts = QString::fromLatin1(KLUNI_VERSION).split(QLatin1Char('.'));
    while (parts.size() < 3)
        parts << QStringLiteral("0");
    return parts;
}

} // namespace

FAbout::FAbout(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("FAbout"));
    setWindowTitle(tr("Info"));
    BuildControls();
    setFixedSize(kDesignedSize);

    const QIcon ownerIcon = parent ? parent->window()->windowIcon() : QApplication::windowIcon();
    picIcon->setPixmap((ownerIcon.isNull() ? AboutPictures::KluniIcon() : ownerIcon).pixmap(32, 32));
    lblTitle->setText(ApplicationTitle());
    lblVersion->setText(FormatMsg(tr("Version: %1.%2.%3"), VersionParts().mid(0, 3)));
    lblDescription->setText(tr("Sie zeigt Ihnen, wo ein Modell in den Untiefen der EEP-Kategorien zu finden ist."));
    lblWarning->setText(FormatMsg(tr(
        "Beachten Sie, daß alle Annahmen über den Aufbau der Kategorien auf Beobachtungen und Gerüchten "
        "beruhen!%mDie Korrektheit der Ergebnisse kann also nicht garantiert werden...")));
}

FAbout::~FAbout() = default;

void FAbout::BuildControls()
{
    picIcon = MakeLabel(this, "picIcon", QRect(16, 16, 32, 32));
    lblTitle = MakeLabel(this, "lblTitle", QRect(60, 12, 200, 30));
    QFont big = lblTitle->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.8);
    lblTitle->setFont(big);
    lblVersion = MakeLabel(this, "lblVersion", QRect(60, 44, 200, 18));
    lblDescription = MakeLabel(this, "lblDescription", QRect(16, 74, 256, 40));
    lblWarning = MakeLabel(this, "lblWarning", QRect(16, 122, 256, 100));
    lblWarning->setStyleSheet(QStringLiteral("color: rgb(128, 0, 0);"));

    imgKluni = MakeLabel(this, "imgKluni", QRect(284, 12, 130, 110));
    imgKluni->setPixmap(AboutPictures::KluniPicture());
    lblZirbo = MakeLabel(this, "lblZirbo", QRect(284, 130, 130, 60));
    lblZirbo->setText(tr("Wer ist Zirbo?\n(Maustaste hier gedrückt halten)"));
    lblZirbo->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lblZirbo->installEventFilter(this);
    imgZirbo = MakeLabel(this, "imgZirbo", QRect(284, 12, 130, 110));
    imgZirbo->setPixmap(AboutPictures::ZirboPicture());
    imgZirbo->hide();

    auto* line = new QFrame(this);
    line->setObjectName(QStringLiteral("Line1"));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setGeometry(16, 234, 398, 4);

    cmdHandbook = new QPushButton(tr("&Handbuch..."), this);
    cmdHandbook->setObjectName(QStringLiteral("cmdHandbook"));
    cmdHandbook->setGeometry(16, 248, 120, 28);
    connect(cmdHandbook, &QPushButton::clicked, this, &FAbout::cmdHandbook_Click);

    // Enter presses it as the default button; Escape closes the dialog too.
    cmdOK = new QPushButton(tr("&OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setGeometry(314, 248, 100, 28);
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
}

void FAbout::SetShellOpen(ShellOpen* opener)
{
    m_shell = opener ? opener : &m_desktopShell;
}

void FAbout::SetProgramDir(const QString& windowsDir)
{
    m_programDir = windowsDir;
}

void FAbout::cmdHandbook_Click()
{
    ShowFile(InterfaceLanguage::HandbookFile(InterfaceLanguage::Current()));
}

void FAbout::ShowFile(const QString& ptFile)
{
    const QString dir =
        m_programDir.isEmpty() ? HostPath::ToWindows(InstallLayout::DocumentationDir(ptFile)) : m_programDir;
    const QString path = FormatMsg(QStringLiteral("%1\\%2"), {dir, ptFile});
    QString message;
    QStringList arguments{path};
    if (!FileExists(path)) {
        message = tr("Sorry,%naber ich kann die Datei%m%1%mnicht finden...");
    } else {
        const int result = m_shell->Open(path, this);
        if (ShellOpen::Succeeded(result))
            return;
        if (result == ShellOpen::kNoAssociation) {
            const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
            message = tr("Sorry, aber die Datei%m%1%mkann nicht angezeigt werden,%nweil auf Ihrem Rechner kein "
                         "Programm für die Dateiendung '%2' zuständig ist.");
            arguments << (dot < 0 ? QString() : path.mid(dot));
        } else {
            message = tr("Sorry, aber die Datei%m%1%mkann nicht angezeigt werden.%m(Fehler-Code: %2)");
            arguments << QString::number(result);
        }
    }
    MsgError(FormatMsg(message, arguments));
}

bool FAbout::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == lblZirbo) {
        // Zirbo shows himself only while a mouse button is held on his label.
        if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick) {
            imgZirbo->show();
            imgZirbo->raise();
        } else if (event->type() == QEvent::MouseButtonRelease) {
            imgZirbo->hide();
        }
    }
    return QDialog::eventFilter(watched, event);
}
