// Draws the built-in pictures that are made ahead of time (textures, icons, button glyphs; the
// tile faces are drawn by the game itself) from code and the fonts of the Debian packages, and writes them as PNG files into the folder given (the source tree's assets/).
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <cstdio>
#include <exception>
#include <stdexcept>

#include "tools/artgen/ButtonGlyphs.h"
#include "tools/artgen/CommandIcons.h"
#include "tools/artgen/Fonts.h"
#include "tools/artgen/ProgramIcon.h"
#include "tools/artgen/Textures.h"

namespace {

// The program icon in the sizes the desktop asks for; the window uses 32 and, at a pixel ratio
// of 2, 64. They are installed under these names too.
constexpr int ProgramIconSizes[] = {16, 32, 48, 64, 128, 256};

QString ScaledName(const QString& name, int scale)
{
    return scale == 1 ? name + QStringLiteral(".png") : QStringLiteral("%1@%2x.png").arg(name).arg(scale);
}

void Save(const QImage& image, const QDir& folder, const QString& name, int scale)
{
    const QString path = folder.filePath(ScaledName(name, scale));
    if (!image.save(path, "PNG"))
        throw std::runtime_error("cannot write " + path.toStdString());
}

}  // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <assets folder>\n", argv[0]);
        return 2;
    }
    try {
        const QDir folder(QString::fromLocal8Bit(argv[1]));
        const artwork::TArtFonts fonts;
        for (const int scale : {1, 2}) {
            Save(artwork::DrawBackgroundSheet(scale), folder, QStringLiteral("BackgroundImage"), scale);
            for (const auto& [name, picture] : artwork::DrawCommandIcons(scale, fonts))
                Save(picture, folder, name, scale);
            for (const auto& [name, picture] : artwork::DrawButtonGlyphs(scale))
                Save(picture, folder, name, scale);
        }
        if (!folder.mkpath(QStringLiteral("icons")))
            throw std::runtime_error("cannot create the icons folder");
        for (const int size : ProgramIconSizes)
            Save(artwork::DrawProgramIcon(size, fonts), folder, QStringLiteral("icons/tesuli-%1").arg(size), 1);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 0;
}
