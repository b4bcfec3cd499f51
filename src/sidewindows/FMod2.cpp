#include "sidewindows/FMod2.h"

#include "hostdata/CGsb.h"
#include "hostdata/ResultTexts.h"
#include "platformui/Twips.h"
#include "sidewindows/ModelCaption.h"
#include "startup/KluniError.h"
#include "startup/modTools.h"

#include <QLabel>
#include <QListWidget>

#include <limits>

namespace {

const QString kSection = QStringLiteral("Mod2Liste");
constexpr int kExistsRole = Qt::UserRole;

// Client size and control rectangles as designed (pixels).
constexpr QSize kDesignedSize(300, 270);
constexpr QRect kModelRect(8, 8, 284, 24);
constexpr QRect kListRect(8, 40, 284, 170);
constexpr QRect kErrorRect(8, 220, 284, 40);

} // namespace

FMod2::FMod2(QWidget* owner)
    : OwnedSideWindow(owner, QStringLiteral("FMod2"), tr("Klunis mod2-Liste"))
{
    lblModel = MakeModelLabel();
    lblModel->setWordWrap(true);
    lblModel->setGeometry(kModelRect);

    lbMod2 = new QListWidget(this);
    lbMod2->setObjectName(QStringLiteral("lbMod2"));
    lbMod2->setSelectionMode(QAbstractItemView::NoSelection);
    lbMod2->setGeometry(kListRect);
    connect(lbMod2, &QListWidget::itemChanged, this, &FMod2::lbMod2_ItemCheck);
    connect(lbMod2, &QListWidget::itemClicked, this, &FMod2::lbMod2_Click);

    lblError = new QLabel(this);
    lblError->setObjectName(QStringLiteral("lblError"));
    lblError->setTextFormat(Qt::PlainText);
    lblError->setAlignment(Qt::AlignCenter);
    lblError->setWordWrap(true);
    lblError->setFrameShape(QFrame::Box);
    Colour(lblError, QColor(128, 0, 0), QColor(255, 200, 200));
    lblError->setGeometry(kErrorRect);
    lblError->hide();

    SetUpPlacement(kDesignedSize, kSection, QSize(2800, 2265));
}

FMod2::~FMod2() = default;

void FMod2::MeasureLayout()
{
    const QSize designed = DesignedSize();
    msWidthMargin = designed.width() - lblModel->width();
    msListMargin = designed.height() - lbMod2->height();
    msErrTopMargin = designed.height() - lblError->y();
}

void FMod2::ShowFile(const CGsb& gsb, const QString& nameKey)
{
    try {
        lblModel->setText(ModelCaption(gsb.GsbName(), nameKey));
        lbMod2->clear();
        if (gsb.GsbExists()) {
            for (qint32 i = 1; i <= gsb.Count(); ++i) {
                auto* item = new QListWidgetItem(gsb.Mod2Name(i));
                item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
                const bool exists = gsb.Mod2Exists(i);
                item->setData(kExistsRole, exists ? -1 : 0);
                item->setCheckState(exists ? Qt::Checked : Qt::Unchecked);
                lbMod2->addItem(item);
            }
        }
        UpdateErrorLabel(gsb);
    } catch (...) {
        ReportError(QStringLiteral("FMod2.ShowFile"));
    }
}

void FMod2::UpdateErrorLabel(const CGsb& gsb)
{
    lblError->hide();
    if (gsb.GsbExists()) {
        int ticked = 0;
        for (int i = 0; i < lbMod2->count(); ++i)
            ticked += lbMod2->item(i)->checkState() == Qt::Checked ? 1 : 0;
        const int missing = lbMod2->count() - ticked;
        if (missing > std::numeric_limits<qint16>::max())
            throw KluniError::Overflow();
        if (missing > 0) {
            lblError->setText(ResultTexts::Mod2MissingText(missing));
            lblError->show();
        }
    } else {
        lblError->setText(ResultTexts::NoGsbText());
        lblError->show();
    }
    FitListHeight();
}

void FMod2::FitListHeight()
{
    // Without a note the list reaches down into the note's place.
    const int extra = lblError->isHidden() ? lblError->height() + Twips::ToPixels(150) : 0;
    lbMod2->resize(lbMod2->width(), height() - msListMargin + extra);
}

void FMod2::ArrangeControls()
{
    const int width = this->width() - msWidthMargin;
    lblModel->resize(width, lblModel->height());
    lbMod2->resize(width, lbMod2->height());
    lblError->setGeometry(lblError->x(), height() - msErrTopMargin, width, lblError->height());
    FitListHeight();
}

void FMod2::lbMod2_ItemCheck(QListWidgetItem* item)
{
    // The marks show the files' state; the user cannot change them.
    const Qt::CheckState state = item->data(kExistsRole).toInt() != 0 ? Qt::Checked : Qt::Unchecked;
    if (item->checkState() != state)
        item->setCheckState(state);
}

void FMod2::lbMod2_Click()
{
    lbMod2->setCurrentRow(-1);
}
