// The installed icon: a PNG at every hicolor size that is what its folder
// says, transparent round the cards and solid in the middle, and an SVG that is well-formed.

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QXmlStreamReader>

#include "art/program_icon.h"
#include "gui_support.h"

namespace quillo {
namespace {

TEST(ProgramIcon, PngAtEverySizeAndWellFormedSvg)
{
    test::EnsureGui();
    const std::string dir = test::FreshDir("icons");
    std::string error;
    ASSERT_TRUE(art::WriteProgramIcons(dir, "quillotaire", error)) << error;
    const QString root = QString::fromStdString(dir) + "/hicolor/";
    for (int size : art::IconSizes) {
        SCOPED_TRACE(size);
        const QImage png(root + QString("%1x%1/apps/quillotaire.png").arg(size));
        ASSERT_EQ(png.size(), QSize(size, size));
        EXPECT_EQ(qAlpha(png.pixel(0, 0)) + qAlpha(png.pixel(size - 1, 0)), 0);
        EXPECT_EQ(qAlpha(png.pixel(size / 2, size / 2)), 255);
    }
    QFile svg(root + "scalable/apps/quillotaire.svg");
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&svg);
    while (!xml.atEnd()) xml.readNext();
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
}

}  // namespace
}  // namespace quillo
