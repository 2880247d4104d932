// The window at the three usual screen sizes: every text shows whole, and the notices of the
// columns stand clear of every element.
#include <QFontMetrics>

#include "tests/window/window_fixture.h"

namespace lirvo::test {
namespace {

// A value field shows its text whole when moving its cursor from the start to the end
// scrolls nothing: the field looks the same.
bool showsWhole(QLineEdit* field) {
    field->clearFocus();
    field->home(false);
    const QImage start = field->grab().toImage();
    field->end(false);
    return field->grab().toImage() == start;
}

class AtScreen : public MainWindowTest, public testing::WithParamInterface<QSize> {};

// Every case's worked example, then the longest text a result can have written into its first
// result: every caption and value field shows its whole text, at 7 points or more; a notice
// keeps a gap to every element and stands out in bold dark red.
TEST_P(AtScreen, EveryTextShowsWholeAndNoticesStandClear) {
    reopenOn(GetParam().width(), GetParam().height());
    for (const CalcCase* calc : allCases()) {
        SCOPED_TRACE(std::string(calc->name));
        choose(*calc);
        if (!e().exampleBox->isChecked()) clickOption(e().exampleBox.get());
        compute();
        if (calc->drawsNotices) {
            ASSERT_EQ(e().surface->drawnTexts().size(), 1u);
            const ui::DrawnText& notice = e().surface->drawnTexts()[0];
            EXPECT_TRUE(notice.look.font.bold());
            EXPECT_EQ(notice.look.colour, QColor(0x8B, 0, 0));
            const QRect spaced = e().surface->pixelRect(notice).adjusted(-4, -4, 4, 4);
            for (const QWidget* w : e().surface->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
                EXPECT_FALSE(!w->isHidden() && w->geometry().intersects(spaced))
                    << w->metaObject()->className() << " " << w->toolTip().toStdString();
        }
        window().setFieldText(calc->results().front().index, "-1.23456789012345E-300");
        for (int i = 0; i <= 16; ++i) {
            const QLabel* caption = e().fields.captions[i].get();
            QLineEdit* field = e().fields.valueFields[i].get();
            if (!caption->isHidden()) {
                EXPECT_LE(caption->fontMetrics().horizontalAdvance(caption->text()),
                          caption->contentsRect().width())
                    << caption->text().toStdString();
            }
            if (field->isHidden()) continue;
            EXPECT_TRUE(showsWhole(field)) << field->text().toStdString();
            EXPECT_GE(field->font().pointSizeF(), 7.0) << i;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Screens, AtScreen,
                         testing::Values(QSize(1024, 768), QSize(1920, 1080), QSize(800, 600)),
                         [](const auto& info) {
                             return "pixels" + std::to_string(info.param.width()) + "x" +
                                    std::to_string(info.param.height());
                         });

}  // namespace
}  // namespace lirvo::test
