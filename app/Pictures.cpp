#include "Pictures.h"

#include <array>

namespace pelmora {

namespace {

// The files of the pictures, in the order of Picture.
constexpr std::array<const char *, 12> PictureFiles = {
    "new", "open", "save", "graph-properties", "print", "copy", "options", "help", "exit", "ready", "busy", "program",
};
static_assert(PictureFiles.size() == size_t(Picture::Program) + 1);

} // namespace

QIcon pictureIcon(Picture picture)
{
    // Qt's SVG icon engine draws the file at the size asked for, and the style
    // greys it out for a disabled command.
    return QIcon(QStringLiteral(":/pictures/%1.svg").arg(QLatin1StringView(PictureFiles[size_t(picture)])));
}

QIcon toolBarImage(int index)
{
    if (index < 1 || index > 9)
        return {};
    return pictureIcon(Picture(index - 1));
}

QIcon menuBitmap(int index)
{
    if (index < 0 || index > 8)
        return {};
    return pictureIcon(Picture(index));
}

QIcon statusPicture(int index)
{
    if (index == 1)
        return pictureIcon(Picture::Ready);
    if (index == 2)
        return pictureIcon(Picture::Busy);
    return {};
}

} // namespace pelmora
