#include "ToolbarIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <functional>

namespace mz {

namespace {

constexpr int kSize = 16;
const QColor kInk(32, 32, 32);
const QColor kPaper(255, 255, 255);
const QColor kWall(0, 0, 0);
const QColor kDuct(0, 90, 200);
const QColor kLink(0, 140, 60);
const QColor kDelete(200, 30, 30);
const QColor kArrow(40, 90, 170);

using Draw = std::function<void(QPainter&)>;

QIcon paint(const Draw& draw) {
  QIcon icon;
  for (const int scale : {1, 2}) {
    QPixmap pixmap(kSize * scale, kSize * scale);
    pixmap.setDevicePixelRatio(scale);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(kInk, 1.0));
    draw(p);
    icon.addPixmap(pixmap);
  }
  return icon;
}

void page(QPainter& p, QRectF r) {
  QPainterPath path;
  const qreal fold = 3.5;
  path.moveTo(r.topLeft());
  path.lineTo(r.right() - fold, r.top());
  path.lineTo(r.right(), r.top() + fold);
  path.lineTo(r.bottomRight());
  path.lineTo(r.bottomLeft());
  path.closeSubpath();
  p.setBrush(kPaper);
  p.drawPath(path);
  p.drawLine(QPointF(r.right() - fold, r.top()), QPointF(r.right() - fold, r.top() + fold));
  p.drawLine(QPointF(r.right() - fold, r.top() + fold), QPointF(r.right(), r.top() + fold));
}

void magnifier(QPainter& p) {
  p.setBrush(kPaper);
  p.setPen(QPen(kInk, 1.5));
  p.drawEllipse(QPointF(6.5, 6.5), 4.5, 4.5);
  p.setPen(QPen(kInk, 2.5, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(10, 10), QPointF(14.5, 14.5));
}

void crossOut(QPainter& p) {
  p.setPen(QPen(kDelete, 2.0, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(9, 9), QPointF(14.5, 14.5));
  p.drawLine(QPointF(14.5, 9), QPointF(9, 14.5));
}

void arrow(QPainter& p, bool up) {
  const qreal tip = up ? 1.5 : 14.5;
  const qreal base = up ? 8.0 : 8.0;
  QPainterPath head;
  head.moveTo(8, tip);
  head.lineTo(2.5, base);
  head.lineTo(13.5, base);
  head.closeSubpath();
  p.setPen(Qt::NoPen);
  p.setBrush(kArrow);
  p.drawPath(head);
  p.drawRect(up ? QRectF(5.5, 8, 5, 6.5) : QRectF(5.5, 1.5, 5, 6.5));
}

}  // namespace

QIcon toolbarIcon(int button) {
  switch (button) {
    case 1:  // new project
      return paint([](QPainter& p) { page(p, QRectF(3.5, 1.5, 9, 13)); });
    case 2:  // open project
      return paint([](QPainter& p) {
        p.setBrush(QColor(240, 200, 90));
        QPainterPath folder;
        folder.moveTo(1.5, 3.5);
        folder.lineTo(6, 3.5);
        folder.lineTo(7.5, 5);
        folder.lineTo(14.5, 5);
        folder.lineTo(14.5, 13.5);
        folder.lineTo(1.5, 13.5);
        folder.closeSubpath();
        p.drawPath(folder);
        p.drawLine(QPointF(1.5, 7.5), QPointF(14.5, 7.5));
      });
    case 3:  // save project
      return paint([](QPainter& p) {
        p.setBrush(QColor(70, 100, 160));
        p.drawRect(QRectF(1.5, 1.5, 13, 13));
        p.setBrush(kPaper);
        p.drawRect(QRectF(4.5, 1.5, 7, 5));
        p.drawRect(QRectF(3.5, 9.5, 9, 5));
      });
    case 4:  // cut
      return paint([](QPainter& p) {
        p.setPen(QPen(kInk, 1.3));
        p.drawLine(QPointF(5, 1.5), QPointF(10, 10));
        p.drawLine(QPointF(11, 1.5), QPointF(6, 10));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(4.5, 12), 2.5, 2.5);
        p.drawEllipse(QPointF(11.5, 12), 2.5, 2.5);
      });
    case 5:  // copy
      return paint([](QPainter& p) {
        page(p, QRectF(1.5, 1.5, 8, 10));
        page(p, QRectF(6.5, 4.5, 8, 10));
      });
    case 6:  // paste
      return paint([](QPainter& p) {
        p.setBrush(QColor(190, 150, 90));
        p.drawRoundedRect(QRectF(1.5, 2.5, 10, 12), 1.5, 1.5);
        p.setBrush(QColor(150, 150, 150));
        p.drawRect(QRectF(4, 1, 5, 3));
        page(p, QRectF(7.5, 6.5, 7, 8));
      });
    case 44:  // find
      return paint(magnifier);
    case 45:  // find and replace
      return paint([](QPainter& p) {
        magnifier(p);
        p.setPen(QPen(kArrow, 1.5));
        p.drawLine(QPointF(9.5, 2), QPointF(15, 2));
        p.drawLine(QPointF(13, 0.5), QPointF(15, 2));
        p.drawLine(QPointF(13, 3.5), QPointF(15, 2));
      });
    case 8:  // draw walls: a wall run meeting another
      return paint([](QPainter& p) {
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setPen(Qt::NoPen);
        p.setBrush(kWall);
        p.drawRect(QRect(1, 7, 14, 3));
        p.drawRect(QRect(7, 1, 3, 7));
      });
    case 9:  // draw boxes
      return paint([](QPainter& p) {
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setPen(QPen(kWall, 3, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRect(3, 3, 10, 10));
      });
    case 10:  // draw ducts: two thin parallel lines turning down
      return paint([](QPainter& p) {
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setPen(QPen(kDuct, 1));
        p.drawPolyline(QPolygon({QPoint(1, 4), QPoint(12, 4), QPoint(12, 15)}));
        p.drawPolyline(QPolygon({QPoint(1, 8), QPoint(8, 8), QPoint(8, 15)}));
      });
    case 11:  // draw control links: one thin line between two nodes
      return paint([](QPainter& p) {
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setPen(QPen(kLink, 1));
        p.drawPolyline(QPolygon({QPoint(3, 4), QPoint(12, 4), QPoint(12, 12)}));
        p.setBrush(kLink);
        p.drawRect(QRect(1, 2, 4, 4));
        p.drawRect(QRect(10, 11, 4, 4));
      });
    case 13:  // delete by region
      return paint([](QPainter& p) {
        p.setPen(QPen(kInk, 1, Qt::DashLine));
        p.setBrush(Qt::NoBrush);
        p.drawPolygon(QPolygonF({QPointF(1.5, 3.5), QPointF(9.5, 1.5), QPointF(13.5, 6.5),
                                 QPointF(8.5, 13.5), QPointF(2.5, 11.5)}));
        crossOut(p);
      });
    case 12:  // delete by box
      return paint([](QPainter& p) {
        p.setPen(QPen(kInk, 1, Qt::DashLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(1.5, 1.5, 11, 11));
        crossOut(p);
      });
    case 14:  // level up
      return paint([](QPainter& p) { arrow(p, true); });
    case 15:  // level down
      return paint([](QPainter& p) { arrow(p, false); });
    case 43:  // reduce the cell size
    case 42:  // increase the cell size
      return paint([button](QPainter& p) {
        magnifier(p);
        p.setPen(QPen(kInk, 1.5));
        p.drawLine(QPointF(4, 6.5), QPointF(9, 6.5));
        if (button == 42) p.drawLine(QPointF(6.5, 4), QPointF(6.5, 9));
      });
    default:
      return {};
  }
}

}  // namespace mz
