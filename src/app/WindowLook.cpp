#include "WindowLook.h"

#include <QFontDatabase>
#include <QStringList>

namespace {

// The layout was drawn for this face; where it is missing, faces with the same widths keep the
// captions inside their controls, and the platform's sans-serif comes last.
const QStringList kWindowFontFamilies = {QStringLiteral("Arial Unicode MS"),
                                         QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                                         QStringLiteral("Arimo"), QStringLiteral("Nimbus Sans")};
constexpr qreal kWindowFontPoints = 8.25;

} // namespace

// The resources live in a static library, where nothing registers them unasked.
static void initResources()
{
    Q_INIT_RESOURCE(firmware_uploader);
}

QFont WindowLook::font()
{
    QStringList families = kWindowFontFamilies;
    families.append(QFontDatabase::systemFont(QFontDatabase::GeneralFont).family());
    QFont font;
    font.setFamilies(families);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(kWindowFontPoints);
    font.setWeight(QFont::Normal);
    return font;
}

QIcon WindowLook::icon()
{
    initResources();
    QIcon icon;
    for (int size : {16, 24, 32, 48})
        icon.addFile(QStringLiteral(":/icons/firmware-uploader-%1.png").arg(size),
                     QSize(size, size));
    return icon;
}
