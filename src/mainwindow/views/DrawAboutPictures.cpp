// Draws the About window's title and version once, when ZEB is built, and
// writes them as C++ source: the start-up screen shows these drawings and
// so comes up before any font is loaded (reading the system's font
// configuration takes as long as the rest of start-up until then). The
// drawings are in the program itself, so no image reader is needed either.
//   zeb-draw-about-pictures OUTPUT.cpp
#include "core/Version.h"
#include "mainwindow/MainShell.h"

#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdio>
#include <fstream>
#include <string>

namespace {

// In pixels at one device pixel per pixel: the application's 9-point text
// at 96 dots per inch, and the title three times as large and bold.
constexpr int kTextPixels = 12;

// The text's coverage as a C++ array named `name`; its size in `width`, `height`.
std::string draw(const QString& text, int pixels, bool bold, int ratio, const std::string& name,
                 int& width, int& height) {
    QFont font(QStringLiteral("Sans Serif"));
    font.setPixelSize(pixels * ratio);
    font.setBold(bold);
    const QFontMetrics metrics(font);
    width = metrics.horizontalAdvance(text) + 2 * ratio;
    height = metrics.height();
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(image.rect(), Qt::AlignCenter, text);
    painter.end();
    std::string out = "const unsigned char " + name + "[] = {";
    for (int y = 0; y < height; ++y) {
        out += "\n   ";
        for (int x = 0; x < width; ++x)
            out += " " + std::to_string(qAlpha(image.pixel(x, y))) + ",";
    }
    return out + "\n};\n";
}

// The text's two drawings as arrays, and the definition of `name` that refers to them.
struct Picture {
    std::string arrays;
    std::string definition;
};

Picture picture(const QString& text, int pixels, bool bold, const std::string& name) {
    int width1 = 0, height1 = 0, width2 = 0, height2 = 0;
    Picture result;
    result.arrays = draw(text, pixels, bold, 1, name + "Single", width1, height1) +
                    draw(text, pixels, bold, 2, name + "Twice", width2, height2);
    result.definition = "const ui::DrawnText " + name + "{{" + std::to_string(width1) + ", " +
                        std::to_string(height1) + ", " + name + "Single}, {" +
                        std::to_string(width2) + ", " + std::to_string(height2) + ", " + name +
                        "Twice}};\n";
    return result;
}

} // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fputs("usage: zeb-draw-about-pictures OUTPUT.cpp\n", stderr);
        return 2;
    }
    const QString title = QString::fromLatin1(zeb::MainShell::kTitle);
    const QString version = QStringLiteral("Version %1").arg(QLatin1String(zeb::kVersion));
    const Picture titlePicture = picture(title, 3 * kTextPixels, true, "kAboutTitlePicture");
    const Picture versionPicture = picture(version, kTextPixels, false, "kAboutVersionPicture");
    std::ofstream out(argv[1]);
    out << "// Written by zeb-draw-about-pictures when ZEB is built.\n"
           "#include \"mainwindow/views/AboutPictures.h\"\n\n"
           "namespace zeb::views {\n\nnamespace {\n\n"
        << titlePicture.arrays << versionPicture.arrays << "\n} // namespace\n\n"
        << titlePicture.definition << versionPicture.definition << "\n} // namespace zeb::views\n";
    out.close();
    if (!out) {
        std::fprintf(stderr, "zeb-draw-about-pictures: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
