#pragma once

#include <QProxyStyle>

// The application's style with a little more room for the text of a closed drop-down list: the
// text may run on into the empty left part of the arrow button. The lists are as wide as the
// dialog template makes them, which leaves the styles' wide arrow buttons less room than the
// templates were drawn for.
//
// It is the application's style, set once before the windows open: a style set on a list of its
// own makes the list build its drop-down view and delegate at once, which costs more than all the
// rest of opening a window.
class CComboStyle final : public QProxyStyle {
    Q_OBJECT

public:
    // Takes ownership of pBaseStyle.
    explicit CComboStyle(QStyle* pBaseStyle) : QProxyStyle(pBaseStyle) {}

    // Makes the application's style a CComboStyle over the style it has now, unless it is one
    // already. Needs a QApplication.
    static void InstallOnApplication();

    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* pOption,
                         SubControl subControl, const QWidget* pWidget = nullptr) const override;
};
