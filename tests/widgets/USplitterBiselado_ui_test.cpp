// The editor's splitter: bevelled handles drawn by the handle, exactly as the style sheet that
// drew them before, without making the pages below it style-sheet clients.
#include "ui_support/UPruebaVentana.h"

#include "widgets/USplitterBiselado.h"

#include <QImage>
#include <QSplitter>
#include <QStyle>

#include <memory>

namespace {

// Two plain panes either side of one handle, shown at a fixed size.
std::unique_ptr<QSplitter> Dividido(std::unique_ptr<QSplitter> splitter, int handleWidth) {
    splitter->setHandleWidth(handleWidth);
    splitter->addWidget(new QWidget);
    splitter->addWidget(new QWidget);
    splitter->resize(200, 160);
    splitter->setSizes({90, 100});
    splitter->show();
    return splitter;
}

TEST(SplitterBiseladoTest, PaintsTheHandleAsTheBevelStyleSheetDid) {
    const struct {
        Qt::Orientation orientation;
        int handleWidth;
    } cases[] = {{Qt::Horizontal, 8}, {Qt::Vertical, 8}, {Qt::Horizontal, 12}};
    for (const auto& c : cases) {
        auto hoja = std::make_unique<QSplitter>(c.orientation);
        hoja->setStyleSheet(
            QStringLiteral("QSplitter::handle { border-left: 1px solid palette(light); "
                           "border-right: 1px solid palette(dark); }"));
        hoja = Dividido(std::move(hoja), c.handleWidth);
        const auto biselado =
            Dividido(std::make_unique<TSplitterBiselado>(c.orientation), c.handleWidth);
        SCOPED_TRACE(c.handleWidth);
        SCOPED_TRACE(c.orientation);
        EXPECT_EQ(biselado->handle(1)->sizeHint(), hoja->handle(1)->sizeHint());
        EXPECT_EQ(biselado->sizes(), hoja->sizes());
        const QImage esperada = hoja->grab().toImage();
        const QImage pintada = biselado->grab().toImage();
        EXPECT_EQ(pintada, esperada);
        // The bevel is there at all: the handle's edges in the palette's colours.
        const QRect handle = biselado->handle(1)->geometry();
        const QPalette palette = biselado->palette();
        EXPECT_EQ(pintada.pixel(handle.left(), handle.center().y()),
                  palette.color(QPalette::Light).rgb());
        EXPECT_EQ(pintada.pixel(handle.right(), handle.center().y()),
                  palette.color(QPalette::Dark).rgb());
    }
}

class SplitterVentanaTest : public TPruebaVentana {};

TEST_F(SplitterVentanaTest, ThePagesKeepTheirOwnStyle) {
    Open();
    EXPECT_NE(qobject_cast<TSplitterBiselado*>(Find<QSplitter>("Splitter1")), nullptr);
    for (const char* name : {"Splitter1", "PageControl", "seccionesPanel"})
        EXPECT_STRNE(Find<QWidget>(name)->style()->metaObject()->className(), "QStyleSheetStyle")
            << name;
}

} // namespace
