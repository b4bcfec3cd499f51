#include "mainwindow/LabelFit.h"

#include <QFontMetrics>
#include <QLabel>
#include <algorithm>

namespace {

constexpr double kStep = 0.5;

int WidestLine(const QString& text, const QFont& font)
{
    const QFontMetrics metrics(font);
    int widest = 0;
    for (const QString& line : text.split(QLatin1Char('\n')))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    return widest;
}

} // namespace

void LabelFit::ShrinkToFit(QLabel& label)
{
    if (label.wordWrap())
        return;   // such a label breaks its lines itself
    const int room = label.contentsRect().width() - 2 * label.margin();
    QFont font = label.font();   // a font sized in pixels has no point size and stays
    bool shrunk = false;
    while (font.pointSizeF() - kStep >= kMinPointSize && WidestLine(label.text(), font) > room) {
        font.setPointSizeF(font.pointSizeF() - kStep);
        shrunk = true;
    }
    if (shrunk)
        label.setFont(font);
}

void LabelFit::ShrinkAllToFit(const QWidget& window)
{
    for (QLabel* label : window.findChildren<QLabel*>())
        ShrinkToFit(*label);
}
