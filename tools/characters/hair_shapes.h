#pragma once

#include "figure_parts.h"

#include <array>
#include <initializer_list>
#include <vector>

// Shapes and strokes shared by the hair styles.

enum class HairLayer { Behind, Over };

// Hair caps: the hair's outline around the head in the front, side and back
// views.
QPainterPath capFront();
QPainterPath capSide();
QPainterPath capBack();

// The region below the lower edge `edge` (left to right) down to row 100: the
// face window under the bangs.
QPainterPath below(std::initializer_list<QPointF> edge);

// The highlight arc across the crown centred on `cx`.
void shine(Figure& f, double cx, double cy, double w, int part = kHair);

// Lines of the hair's darker tone, for strands and partings.
void strands(Figure& f, std::initializer_list<QPolygonF> lines, int part);

// Segments of a braid along `centres`, each set off from the next by a line.
void segments(Figure& f, const std::vector<QPointF>& centres, double w, double h, double shrink);

// A ringlet hanging from `top`: `turns` turns that narrow to a point, each set
// off by a line slanting one way (`lean` +1) or the other (-1).
void drill(Figure& f, QPointF top, int turns, double w, int lean);

void paintHair(Figure& f, const QPainterPath& p, int part = kHair);

// Long hair seen from behind: as wide as the head at the nape, narrowing over
// the back so that the arms show beside it.
QPainterPath backCurtain(double bottom);

// Triangles joined into one shape: spikes and tufts.
QPainterPath spikes(std::initializer_list<std::array<QPointF, 3>> tris);

// The back of the head down to the nape, for short hair seen from the side.
QPainterPath nape();

// The styles (hair_long.cpp, hair_short.cpp).
void longWavy(Figure& f, HairLayer layer);
void longStraight(Figure& f, HairLayer layer);
void ringlets(Figure& f, HairLayer layer);
void sidePony(Figure& f, HairLayer layer);
void braid(Figure& f, HairLayer layer);
void bob(Figure& f, HairLayer layer);
void spiky(Figure& f, HairLayer layer);
void bun(Figure& f, HairLayer layer);
void fluffy(Figure& f, HairLayer layer);
void messy(Figure& f, HairLayer layer);
void kidShort(Figure& f, HairLayer layer);
