#include "sidewindows/OwnedSideWindow.h"

#include "sidewindows/SideWindowPlacement.h"

#include <QCloseEvent>
#include <QLabel>

OwnedSideWindow::OwnedSideWindow(QWidget* owner, const QString& objectName, const QString& title)
    : QWidget(owner, Qt::Window)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(objectName);
    setWindowTitle(title);
}

OwnedSideWindow::~OwnedSideWindow()
{
    // Destroyed with its owner without a close of its own: keep the place.
    if (m_place)
        m_place->Unload();
}

void OwnedSideWindow::SetUpPlacement(QSize designedSize, const QString& section, QSize minimumTwips)
{
    resize(designedSize);
    m_place = new SideWindowPlacement(*this, section, minimumTwips);
    MeasureLayout();
    m_place->Restore();
    m_place->CloseWithOwner();
}

QSize OwnedSideWindow::DesignedSize() const
{
    return m_place->DesignedSize();
}

QLabel* OwnedSideWindow::MakeModelLabel()
{
    auto* label = new QLabel(this);
    label->setObjectName(QStringLiteral("lblModel"));
    // Model names come from the installation's files; none of them is markup.
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignCenter);
    label->setFrameShape(QFrame::Box);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    Colour(label, QColor(128, 64, 0), QColor(255, 255, 208));
    return label;
}

void OwnedSideWindow::Colour(QLabel* label, const QColor& text, const QColor& back)
{
    label->setAutoFillBackground(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Window, back);
    label->setPalette(palette);
}

void OwnedSideWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (m_place)
        m_place->EnforceMinimum();
    ArrangeControls();
}

void OwnedSideWindow::closeEvent(QCloseEvent* event)
{
    event->accept();
    if (m_place->Unload())
        Q_EMIT Unloaded();
}
