// The ultimate check drawn (sections/uls_check.h):
//
//   Sezione      ε ‰                σ kg/cm²              Dominio N–M: N kN, M kN·m
//   │▒▒▒▒▒▒▒▒▒│  ├────── 3.50        ├▒▒▒▒▒▒ fcd             ▲  ___
//   ┄┄┄┄┄┄┄┄┄┄┄  ┄┄┄┄┄┄┄┄┄┄┄┄┄┄┄┄┄┄┄┄┄┄┄┄┄┄┄┄┄┄┄┄┄┄ x         │ /   \   ×  design point
//   │  ●   ●  │  ─────┤ -10.2      ●────┤ -3826             ──┼─●───── N_Ed
//                                                            │ \___/   M [kN·m]
//
// The section to scale with its compressed depth shaded and the neutral axis dashed, the
// strains of the ultimate plane, the parabola-rectangle block of the concrete and each bar at
// its stress (compression to the right); for a column the N–M domain of both signs of M with
// the design point (M_Ed, N_Ed), the line of constant N through it and the point of the
// boundary on it (M_Rd). Axes in kN and kN·m (1 kg = 9.80665 N); the kg values of the
// labels are given back as tooltip zones. Everything stays within the box.
#pragma once

#include <QPainter>
#include <QRectF>
#include <QString>
#include <vector>

#include "sections/uls_check.h"

namespace lirvo::drawing {

struct UlsPicture {
    SectionModel model;  // outline, H and steel, top first
    UlsStrengths strengths;
    UlsCheck check;
    std::vector<UlsDomainPoint> domain;  // empty: no domain drawn (beams)
};

// A rectangle of the figure and what its tooltip says.
struct TipZone {
    QRectF rect;
    QString text;
};

// The number of domain points the figure draws.
inline constexpr int kDomainPoints = 61;

std::vector<TipZone> paintUls(QPainter& painter, const QRectF& box, const UlsPicture& picture);

}  // namespace lirvo::drawing
