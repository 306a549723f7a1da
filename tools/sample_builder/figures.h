// The figure pictures of the sample lexicon.
#pragma once

#include <QString>

namespace orvan::sample {

/// \brief Draws a simple labelled-free diagram of `shape` (triangle, circle, square, rectangle,
/// cube, cone, lever, pulley) into a BMP file; false for an unknown shape or a write failure.
bool DrawFigure(const QString& shape, const QString& path);

}  // namespace orvan::sample
