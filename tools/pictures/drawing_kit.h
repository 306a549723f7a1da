// The helpers the start screen's pictures share (house colours, background tones, fonts, painter
// setup, the key colour of transparent pictures, geometry), and the pieces each file draws.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <vector>

#include "tools/pictures/start_screen_drawings.h"

namespace orvan::pictures::kit {

inline constexpr double kPi = 3.14159265358979323846;

inline const QColor kNavy(28, 54, 110);
inline const QColor kTeal(0, 128, 128);
inline const QColor kOrange(236, 124, 28);

// The tones of the start screen's background. The transparent pictures are drawn on the tone that
// lies behind them, which is also their bottom-left pixel, so their antialiased edges blend.
inline const QColor kTopTone(250, 252, 255);  // the logo row, and the corner of the division's logo
inline const QColor kBodyTone(241, 245,
                              251);  // the middle, under the details picture and the menus
inline const QColor kBandTone(214, 233, 255);  // the bottom band: the check box's own background

// The slides and covers.
inline constexpr int kSlideWidth = 249;
inline constexpr int kSlideHeight = 321;
inline constexpr int kCaptionTop = 285;

// ---------------------------------------------------------------------------------------------
// Painters and canvases

/// \brief Antialiased shapes and text, smooth scaling of drawn pictures.
void Smooth(QPainter& painter);
/// \brief An opaque picture filled with one colour.
QImage Canvas(int width, int height, const QColor& fill);
/// \brief A fully transparent picture to draw artwork on, of `width` x `height` points at `scale`
/// pixels a point (a painter opened on it draws in points).
QImage Clear(int width, int height, int scale = 1);
/// \brief The artwork laid on the key colour that the start screen makes transparent; see the
/// definition for how drawn pixels are kept out of the key colour.
QImage OnKey(const QImage& art, const QColor& key);

// ---------------------------------------------------------------------------------------------
// Fonts and text

QFont Sans(int pixels, bool bold = false, bool italic = false);
qreal Advance(const QFont& font, const QString& text);
/// \brief The font made smaller, a pixel at a time, until every line fits the width.
QFont Fit(QFont font, const QStringList& lines, qreal width, int smallest = 6);
QFont Fit(const QFont& font, const QString& text, qreal width, int smallest = 6);
void Text(QPainter& painter, const QRectF& box, int flags, const QString& text, const QFont& font,
          const QColor& colour);

// ---------------------------------------------------------------------------------------------
// Colours and geometry

QPointF Polar(QPointF centre, qreal radius, qreal angle);
QColor Mix(const QColor& a, const QColor& b, qreal t);
QColor WithAlpha(QColor colour, int alpha);
void Arrow(QPainter& painter, QPointF from, QPointF to, const QColor& colour, qreal width,
           qreal head);
/// \brief Grid lines over the area, every majorEvery-th line in the major colour.
void Grid(QPainter& painter, const QRectF& area, qreal step, const QColor& minor,
          const QColor& major, int majorEvery);

/// \brief A spur gear's outline with trapezoid teeth; the first tooth points at phase (radians).
QPainterPath GearPath(QPointF centre, qreal pitchRadius, int teeth, qreal phase);
/// \brief The phase of a gear driven by another, in the direction (radians) from the driver.
qreal MeshPhase(qreal driverPhase, int driverTeeth, qreal direction, int drivenTeeth);

/// \brief The publisher's emblem: an open book on a navy tile with an orange bookmark; onDark
/// adds a light edge round the tile.
void DrawPublisherEmblem(QPainter& painter, const QRectF& box, bool onDark = false);

}  // namespace orvan::pictures::kit

// The pictures each file draws, which StartScreenPictures gathers.
namespace orvan::pictures::pieces {

// logo_drawings.cpp
QImage PublisherLogo();
QImage DivisionLogo();
QImage CompanyLogo();
QImage DetailsPicture();

// cover_drawings.cpp
/// \brief The book's own cover at the size given.
QImage OrvanCoverPicture(int width, int height);
/// \brief The cover of title n (1-7) of the series, at the slides' size.
QImage TitleCoverPicture(int n);

// menu_drawings.cpp
/// \brief The strip of title n (1-7), plain or selected.
QImage TitleMenuPicture(int n, bool selected);
/// \brief The strip of details page n (11-15), plain or selected.
QImage DetailsMenuPicture(int n, bool selected);

// slide_drawings.cpp
/// \brief The nine slides, "01.jpg" to "09.jpg", in the order the start screen shows them.
std::vector<ContentPicture> SlidePictures();

// The slides' scenes, each filling the area above the caption.
void GearTrainScene(QPainter& painter);     // machine_slide_drawings.cpp
void JetEngineScene(QPainter& painter);     // machine_slide_drawings.cpp
void CircuitScene(QPainter& painter);       // electronics_slide_drawings.cpp
void OscilloscopeScene(QPainter& painter);  // electronics_slide_drawings.cpp
void ChipScene(QPainter& painter);          // electronics_slide_drawings.cpp
void BridgeScene(QPainter& painter);        // landscape_slide_drawings.cpp
void WindTurbineScene(QPainter& painter);   // landscape_slide_drawings.cpp
void AtomScene(QPainter& painter);          // slide_drawings.cpp
void MoleculeScene(QPainter& painter);      // slide_drawings.cpp

}  // namespace orvan::pictures::pieces
