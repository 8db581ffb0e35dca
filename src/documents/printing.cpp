#include "documents/printing.h"

#include "documents/picture_image.h"
#include "model/globals.h"
#include "model/numbers.h"
#include "render/draw_main.h"

#include <QPainter>

#include <algorithm>
#include <optional>

namespace quillmark {

void PrintCode(QPainter& painter, const CodeModel& model, Globals& globals)
{
    const std::optional<Picture> picture = DrawMain(model, globals, globals.theIS);
    if (!picture) return;

    // The whole rendering, (0, 0, theCodeWidth, theHeight) truncated, into its printed size in points, each
    // quotient truncated on its own.
    const QRect target(PRINT_LEFT_PT, PRINT_TOP_PT, TruncToInt32(globals.theCodeWidth / globals.theIS),
                       TruncToInt32(globals.theHeight / globals.theIS));
    const int sourceWidth = std::min(TruncToInt32(globals.theCodeWidth), picture->width());
    if (target.isEmpty() || sourceWidth <= 0) return;

    // Every row of the rendering is the same row, so one row stretched to the height draws it all.
    QImage row = RowImage(*picture);
    QRect source(0, 0, sourceWidth, 1);

    // Where the page has fewer pixels than the rendering (a screen, a 72 dpi image), the row is first reduced
    // to the page's pixels, each the mean of the rendering's pixels it covers, as on screen. Where it has
    // more (a printer), the rendering is handed over whole. Either way it is then only replicated, never
    // filtered again, so the bar edges stay as they are and nothing bleeds past the code's box.
    const qreal deviceWidth = painter.combinedTransform().mapRect(QRectF(target)).width();
    if (deviceWidth < sourceWidth) {
        row = row.copy(source).scaled(qMax(1, qRound(deviceWidth)), 1, Qt::IgnoreAspectRatio,
                                      Qt::SmoothTransformation);
        source = row.rect();
    }

    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(target, row, source);
    painter.restore();
}

} // namespace quillmark
