#include "ui/RegularHeadings.h"

#include <QHeaderView>
#include <QProxyStyle>
#include <QStyleOptionHeader>

namespace {

// The application's style (the proxy owns no base), with the heading's label drawn as if its
// section were not selected; the section itself is drawn selected as before.
class RegularHeadingStyle final : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
        if (element == CE_HeaderLabel) {
            if (const auto* header = qstyleoption_cast<const QStyleOptionHeader*>(option)) {
                QStyleOptionHeader regular = *header;
                regular.state &= ~State_On;
                QProxyStyle::drawControl(element, &regular, painter, widget);
                return;
            }
        }
        QProxyStyle::drawControl(element, option, painter, widget);
    }
};

} // namespace

void keepSelectedHeadingsRegular(QHeaderView* header) {
    auto* style = new RegularHeadingStyle;
    style->setParent(header);
    header->setStyle(style);
}
