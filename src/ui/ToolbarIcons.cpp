#include "ui/ToolbarIcons.h"
#include "ui/QtText.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace gr2 {

namespace {

constexpr int kSize = 32;

void page(QPainter& p)
{
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygon({{7, 3}, {20, 3}, {26, 9}, {26, 29}, {7, 29}}));
    p.drawPolyline(QPolygon({{20, 3}, {20, 9}, {26, 9}}));
}

void folder(QPainter& p)
{
    p.setBrush(QColor(230, 190, 80));
    p.drawPolygon(QPolygon({{3, 8}, {12, 8}, {14, 11}, {28, 11}, {28, 27}, {3, 27}}));
    p.setBrush(QColor(250, 215, 110));
    p.drawPolygon(QPolygon({{3, 27}, {8, 15}, {31, 15}, {28, 27}}));
}

void disk(QPainter& p)
{
    p.setBrush(QColor(60, 90, 170));
    p.drawRect(4, 4, 24, 24);
    p.setBrush(Qt::white);
    p.drawRect(9, 4, 14, 9);
    p.setBrush(QColor(200, 200, 200));
    p.drawRect(8, 18, 16, 10);
}

void scissors(QPainter& p)
{
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPoint(9, 24), 4, 4);
    p.drawEllipse(QPoint(23, 24), 4, 4);
    p.drawLine(11, 21, 22, 4);
    p.drawLine(21, 21, 10, 4);
}

void copy(QPainter& p)
{
    p.setBrush(Qt::white);
    p.drawRect(4, 4, 14, 18);
    p.drawRect(13, 10, 14, 18);
}

void paste(QPainter& p)
{
    p.setBrush(QColor(170, 120, 60));
    p.drawRect(5, 6, 18, 22);
    p.setBrush(QColor(200, 200, 200));
    p.drawRect(10, 3, 8, 6);
    p.setBrush(Qt::white);
    p.drawRect(14, 13, 14, 16);
}

void printer(QPainter& p)
{
    p.setBrush(Qt::white);
    p.drawRect(9, 3, 14, 10);
    p.setBrush(QColor(160, 160, 160));
    p.drawRect(3, 12, 26, 11);
    p.setBrush(Qt::white);
    p.drawRect(9, 19, 14, 10);
}

void about(QPainter& p)
{
    p.setBrush(QColor(60, 110, 200));
    p.drawEllipse(3, 3, 26, 26);
    p.setPen(QPen(Qt::white, 3));
    p.drawLine(16, 14, 16, 24);
    p.drawPoint(16, 9);
}

void selectRect(QPainter& p)
{
    p.setPen(QPen(Qt::black, 2, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    p.drawRect(5, 7, 22, 18);
}

void brush(QPainter& p)
{
    p.setPen(QPen(QColor(120, 70, 20), 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(26, 4, 14, 18);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(200, 40, 40));
    QPainterPath tip;
    tip.moveTo(14, 16);
    tip.cubicTo(4, 18, 8, 26, 3, 29);
    tip.cubicTo(12, 29, 18, 25, 16, 19);
    p.drawPath(tip);
}

void line(QPainter& p)
{
    p.setPen(QPen(QColor(150, 40, 40), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(5, 26, 27, 6);
}

void rectangle(QPainter& p)
{
    p.setPen(QPen(QColor(150, 40, 40), 3));
    p.setBrush(Qt::NoBrush);
    p.drawRect(5, 8, 22, 16);
}

void circle(QPainter& p)
{
    p.setPen(QPen(QColor(150, 40, 40), 3));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(5, 5, 22, 22);
}

void filledShapes(QPainter& p)
{
    p.setPen(QPen(QColor(150, 40, 40), 2));
    p.setBrush(QColor(200, 70, 70));
    p.drawRect(3, 5, 15, 13);
    p.drawEllipse(13, 13, 16, 16);
}

void bucket(QPainter& p)
{
    p.setBrush(QColor(190, 190, 190));
    p.drawPolygon(QPolygon({{6, 12}, {17, 4}, {27, 15}, {16, 25}}));
    p.setBrush(QColor(40, 90, 200));
    p.drawEllipse(22, 20, 7, 9);
}

void lettered(QPainter& p, const QColor& fill, const char* text)
{
    p.setBrush(fill);
    p.drawRoundedRect(2, 6, 28, 20, 4, 4);
    QFont font = p.font();
    font.setPixelSize(12);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRect(2, 6, 28, 20), Qt::AlignCenter, QtText::fromSystem(text));
}

void camera(QPainter& p)
{
    p.setBrush(QColor(70, 70, 70));
    p.drawRoundedRect(3, 10, 26, 17, 3, 3);
    p.drawRect(10, 6, 10, 5);
    p.setBrush(QColor(120, 170, 230));
    p.drawEllipse(QPoint(16, 18), 6, 6);
}

void buildArea(QPainter& p)
{
    p.setBrush(QColor(120, 200, 120));
    p.drawRect(4, 4, 24, 24);
    p.setPen(QPen(QColor(20, 90, 20), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(8, 8, 16, 16);
}

} // namespace

QIcon toolbarIcon(EditorCommand command)
{
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1.2));
    switch (command) {
    case EditorCommand::New:
        page(p);
        break;
    case EditorCommand::Open:
        folder(p);
        break;
    case EditorCommand::Save:
        disk(p);
        break;
    case EditorCommand::Cut:
        scissors(p);
        break;
    case EditorCommand::Copy:
        copy(p);
        break;
    case EditorCommand::Paste:
        paste(p);
        break;
    case EditorCommand::Print:
        printer(p);
        break;
    case EditorCommand::About:
        about(p);
        break;
    case EditorCommand::RectangleSelect:
        selectRect(p);
        break;
    case EditorCommand::Paint:
        brush(p);
        break;
    case EditorCommand::DrawLine:
        line(p);
        break;
    case EditorCommand::DrawRectangle:
        rectangle(p);
        break;
    case EditorCommand::DrawCircle:
        circle(p);
        break;
    case EditorCommand::DrawFilled:
        filledShapes(p);
        break;
    case EditorCommand::FloodFill:
        bucket(p);
        break;
    case EditorCommand::CreateActionPoint:
        lettered(p, QColor(45, 131, 215), "AP");
        break;
    case EditorCommand::CreateEffectGenerator:
        lettered(p, QColor(215, 130, 45), "FX");
        break;
    case EditorCommand::EditCameraStart:
        camera(p);
        break;
    case EditorCommand::DefineBuildArea:
        buildArea(p);
        break;
    default:
        p.end();
        return {};
    }
    p.end();
    return QIcon(pixmap);
}

} // namespace gr2
