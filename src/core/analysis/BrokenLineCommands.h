#pragma once
// The commands over broken lines: the area of the closed ones, the bodies they sweep about an axis, and the
// length of a stretch of one. Each works on a filled selection, draws its construction on the surface (for
// lines that are on the graph) and returns the lines for the answers window.
#include "core/analysis/AnswerBlock.h"

class TFuncs;
class TMasshImage;

// "Площа многокутника" (checked entries): each closed broken line's FormulaLine, then
// "Сума площ відмічених многокутників:" and "S=" with the sum of their areas. Other kinds are skipped;
// nothing when no closed line is selected.
TAnswerBlock PolygonArea(const TFuncs& selection, TMasshImage& image);

// "Об'єм та площа поверхні тіла обертання, вісь Ox" / "Оy" (checked entries); modes 1 or 3 turn about Ox,
// 2 or 4 about Oy. Refused with "Потрібно виключити ..." when any broken line of the selection has vertices
// on both sides of the axis; otherwise each line's FormulaLine, the surface heading and "S=", the volume
// heading and "V=". Nothing when the selection holds no broken line.
TAnswerBlock RevolutionBrokenLines(const TFuncs& selection, int mode, TMasshImage& image);

// "Довжина ламаної..." (current entry): the length from vertex n1 to vertex n2 (1-based). Refused with
// "Неправильно задано номери вершин!" for a number outside 1..N, or n2 < n1 on an open line. Nothing when the
// current object is no broken line.
TAnswerBlock BrokenLineLength(const TFuncs& selection, int n1, int n2, TMasshImage& image);
