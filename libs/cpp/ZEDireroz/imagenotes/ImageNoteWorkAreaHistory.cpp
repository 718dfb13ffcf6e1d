// The undo and redo history: steps of the layer's tiles, their memory bound.
#include "ZEDireroz/imagenotes/ImageNoteWorkArea.h"

#include <QSet>

#include <algorithm>
#include <cstring>

namespace ZEDireroz {

namespace {

// A tile that is wholly transparent is kept as a null picture: most strokes
// go where nothing was drawn yet, and such a step then costs no pixels.
bool isClear(QImage const& layer, QRect const& area)
{
    int const rowBytes = area.width() * 4;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        uchar const* row = layer.constScanLine(y) + area.left() * 4;
        if (row[0] != 0 || std::memcmp(row, row + 1, size_t(rowBytes - 1)) != 0)
            return false;
    }
    return true;
}

QImage cut(QImage const& layer, QRect const& area)
{
    return isClear(layer, area) ? QImage() : layer.copy(area);
}

void put(QImage& layer, QRect const& area, QImage const& pixels)
{
    int const rowBytes = area.width() * 4;
    for (int y = 0; y < area.height(); ++y) {
        uchar* row = layer.scanLine(area.top() + y) + area.left() * 4;
        if (pixels.isNull())
            std::memset(row, 0, size_t(rowBytes));
        else
            std::memcpy(row, pixels.constScanLine(y), size_t(rowBytes));
    }
}

bool holds(QImage const& layer, QRect const& area, QImage const& pixels)
{
    if (pixels.isNull())
        return isClear(layer, area);
    int const rowBytes = area.width() * 4;
    for (int y = 0; y < area.height(); ++y)
        if (std::memcmp(layer.constScanLine(area.top() + y) + area.left() * 4, pixels.constScanLine(y),
                        size_t(rowBytes))
            != 0)
            return false;
    return true;
}

} // namespace

qint64 ImageNoteWorkArea::UndoStep::size() const
{
    qint64 bytes = 0;
    for (Tile const& tile : tiles)
        bytes += qint64(sizeof(Tile)) + tile.pixels.sizeInBytes();
    return bytes;
}

// Puts the step's pixels into the layer and keeps the ones they replace, so
// that the same step brings them back when it goes the other way.
void ImageNoteWorkArea::exchange(UndoStep& step)
{
    for (Tile& tile : step.tiles) {
        QImage const replaced = cut(m_layer, tile.area);
        put(m_layer, tile.area, tile.pixels);
        tile.pixels = replaced;
        layerChanged(tile.area);
    }
    step.bytes = step.size();
}

void ImageNoteWorkArea::stepBack(QStack<UndoStep>& from, QStack<UndoStep>& to)
{
    if (from.isEmpty())
        return;
    UndoStep step = from.pop();
    exchange(step);
    to.push(step);
    // The pixels a step gives back may take more room than the ones it took.
    trimUndo();
    emit changed();
}

void ImageNoteWorkArea::slotUndo()
{
    stepBack(m_undo, m_redo);
    emit undoAvailable(!m_undo.isEmpty());
    emit redoAvailable(!m_redo.isEmpty());
}

void ImageNoteWorkArea::slotRedo()
{
    stepBack(m_redo, m_undo);
    emit redoAvailable(!m_redo.isEmpty());
    emit undoAvailable(!m_undo.isEmpty());
}

void ImageNoteWorkArea::setUndoMemoryLimit(qint64 bytes)
{
    m_undoMemoryLimit = bytes;
    trimUndo();
    emit undoAvailable(!m_undo.isEmpty());
    emit redoAvailable(!m_redo.isEmpty());
}

qint64 ImageNoteWorkArea::undoMemory() const
{
    qint64 bytes = 0;
    for (QStack<UndoStep> const* stack : {&m_undo, &m_redo})
        for (UndoStep const& step : *stack)
            bytes += step.bytes;
    return bytes;
}

// Undo and redo share the bound: the oldest undo steps go first, then the redo
// steps farthest from the current layer. Only steps at the far ends go, so the
// ones left still lead step by step from the current layer. The one step left
// last (the newest undo, or the next redo) stays whatever it takes.
void ImageNoteWorkArea::trimUndo()
{
    while (m_undo.size() + m_redo.size() > 1 && undoMemory() > m_undoMemoryLimit) {
        if (!m_undo.isEmpty())
            m_undo.removeFirst();
        else
            m_redo.removeFirst();
    }
}

// A new gesture makes the steps that undo put aside meaningless: redoing one
// would bring back a layer without the newest annotation.
ImageNoteWorkArea::UndoStep& ImageNoteWorkArea::pushUndo()
{
    m_redo.clear();
    m_undo.push(UndoStep());
    emit redoAvailable(false);
    emit undoAvailable(true);
    return m_undo.top();
}

void ImageNoteWorkArea::saveTiles(UndoStep& step, QVector<QRect> const& areas) const
{
    if (m_layer.isNull())
        return;
    auto const key = [](QPoint const& origin) { return (quint64(quint32(origin.y())) << 32) | quint32(origin.x()); };
    QSet<quint64> saved;
    for (Tile const& tile : qAsConst(step.tiles))
        saved.insert(key(tile.area.topLeft()));
    for (QRect const& points : areas) {
        QRect const device = toDevice(points);
        if (device.isEmpty())
            continue;
        for (int y = device.top() / kTileSize; y <= device.bottom() / kTileSize; ++y)
            for (int x = device.left() / kTileSize; x <= device.right() / kTileSize; ++x) {
                QRect const area =
                    QRect(x * kTileSize, y * kTileSize, kTileSize, kTileSize).intersected(m_layer.rect());
                if (saved.contains(key(area.topLeft())))
                    continue;
                saved.insert(key(area.topLeft()));
                step.tiles.append(Tile{area, cut(m_layer, area)});
            }
    }
}

void ImageNoteWorkArea::keepChangedTiles(UndoStep& step)
{
    auto const unchanged = [this](Tile const& tile) { return holds(m_layer, tile.area, tile.pixels); };
    step.tiles.erase(std::remove_if(step.tiles.begin(), step.tiles.end(), unchanged), step.tiles.end());
    step.bytes = step.size();
    for (Tile const& tile : qAsConst(step.tiles))
        layerChanged(tile.area);
}

} // namespace ZEDireroz
