#pragma once

class QLabel;
class QWidget;

// Labels of fixed size keep their texts readable in every interface
// language: a text wider than its label gets a smaller font, half a point at
// a time, down to kMinPointSize at the least. A text that fits keeps its font.
namespace LabelFit {

constexpr double kMinPointSize = 7;

void ShrinkToFit(QLabel& label);
// ShrinkToFit for every label of the window, once their texts are set.
void ShrinkAllToFit(const QWidget& window);

} // namespace LabelFit
