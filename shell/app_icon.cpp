// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/app_icon.h"

#include <png.h>

#include <QFile>
#include <QImage>
#include <QPixmap>

static void initShellResources() { Q_INIT_RESOURCE(shell); }

namespace velnora {

namespace {

// The PNG's pixels, straight from libpng. Qt's reader would first load every
// image plugin installed and ask each whether it reads the file, which costs
// more than the start-up spends on anything else but the main window.
QImage ReadPng(const QByteArray& file) {
    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&png, file.constData(), static_cast<size_t>(file.size())))
        return {};
    png.format = PNG_FORMAT_RGBA;
    QImage pixels(static_cast<int>(png.width), static_cast<int>(png.height),
                  QImage::Format_RGBA8888);
    if (pixels.isNull() ||
        !png_image_finish_read(&png, nullptr, pixels.bits(),
                               static_cast<png_int_32>(pixels.bytesPerLine()), nullptr)) {
        png_image_free(&png);
        return {};
    }
    return pixels;
}

}  // namespace

QIcon ProgramIcon() {
    initShellResources();
    QFile file(QStringLiteral(":/velnora/velnora.png"));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QIcon(QPixmap::fromImage(ReadPng(file.readAll())));
}

}  // namespace velnora
