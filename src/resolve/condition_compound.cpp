#include "resolve/condition_compound.h"

#include "resolve/condition_text.h"
#include "text/vb.h"

namespace kovari::resolve {

namespace {

enum class Shape { kNone, kA, kB, kC, kD, kE, kF, kG, kH };

// The shapes in the order the marks choose them: with 丁目 and "~" the hyphens
// decide alone; otherwise the hyphens and "~" choose, and a 丁目 before the
// "~" or before the hyphen overrides that choice.
Shape choose_shape(const ConditionMarks& m, int second_dash) {
  if (m.chome != 0 && m.tilde != 0 && m.dash != 0) {
    if (second_dash != 0) return Shape::kG;
    // Only the order 丁目, "-", "~" is known for this shape.
    return m.chome < m.dash && m.dash < m.tilde ? Shape::kH : Shape::kNone;
  }
  Shape shape = Shape::kNone;
  if (m.dash != 0 && second_dash != 0) {
    shape = m.tilde != 0 ? Shape::kA : Shape::kB;
  } else if (m.dash != 0 && m.tilde != 0) {
    shape = m.tilde < m.dash ? Shape::kC : Shape::kD;
  }
  // A number must stand between 丁目 and the next mark: "1丁目~3丁目" is a
  // plain 丁目 range.
  if (m.chome != 0) {
    if (m.tilde != 0 && m.chome + 2 < m.tilde) shape = Shape::kE;
    if (m.dash != 0 && m.chome + 2 < m.dash) shape = Shape::kF;
  }
  return shape;
}

bool within(double lo, double value, double hi) { return lo <= value && value <= hi; }

// The range "a-b~d-e" on one level: upper is the address's number of the level
// of a and d, lower that of b and e.
bool in_pair_range(double a, double b, double d, double e, double upper, double lower) {
  if (within(a + 1, upper, d - 1)) return true;
  if (d == a) return upper == a && within(b, lower, e);
  return (upper == a && lower >= b) || (upper == d && lower <= e);
}

}  // namespace

CompoundVerdict match_compound_condition(std::u16string_view c, const ConditionMarks& m,
                                         const ConditionAddress& a) {
  if (m.tilde == 0 && m.dash == 0 && m.chome == 0) return CompoundVerdict::kNotApplicable;
  const int h2 = m.dash != 0 ? text::InStr(m.dash + 1, c, u"-") : 0;
  const Shape shape = choose_shape(m, h2);
  if (shape == Shape::kNone) return CompoundVerdict::kNotApplicable;

  const double p5 = a.p5, p6 = a.p6, p7 = a.p7;
  bool match = false;
  switch (shape) {
    case Shape::kA: {
      const double na = number_before(c, m.dash), nb = number_between(c, m.dash, 1, m.tilde);
      const double nd = number_between(c, m.tilde, 1, h2), ne = number_after(c, h2);
      match = in_pair_range(na, nb, nd, ne, p6, p7) || in_pair_range(na, nb, nd, ne, p5, p6);
      break;
    }
    case Shape::kB:
      match = p5 == number_before(c, m.dash) && p6 == number_between(c, m.dash, 1, h2) &&
              p7 == number_after(c, h2);
      break;
    case Shape::kC: {
      const double na = number_before(c, m.tilde), nd = number_between(c, m.tilde, 1, m.dash);
      const double ne = number_after(c, m.dash);
      match = within(na, p6, nd - 1) || (p6 == nd && p7 <= ne) || within(na, p5, nd - 1) ||
              (p5 == nd && p6 <= ne);
      break;
    }
    case Shape::kD: {
      const double na = number_before(c, m.dash), nb = number_between(c, m.dash, 1, m.tilde);
      const double ne = number_after(c, m.tilde);
      match = (p6 == na && within(nb, p7, ne)) || (p5 == na && within(nb, p6, ne));
      break;
    }
    case Shape::kE:
      match = p5 == number_before(c, m.chome) &&
              within(number_between(c, m.chome, 2, m.tilde), p6, number_after(c, m.tilde));
      break;
    case Shape::kF:
      match = p5 == number_before(c, m.chome) && p6 == number_between(c, m.chome, 2, m.dash) &&
              p7 == number_after(c, m.dash);
      break;
    case Shape::kG: {
      const double na = number_between(c, m.chome, 2, m.dash);
      const double nb = number_between(c, m.dash, 1, m.tilde);
      const double nd = number_between(c, m.tilde, 1, h2), ne = number_after(c, h2);
      match = p5 == number_before(c, m.chome) && in_pair_range(na, nb, nd, ne, p6, p7);
      break;
    }
    case Shape::kH:
      match = p5 == number_before(c, m.chome) && p6 == number_between(c, m.chome, 2, m.dash) &&
              within(number_between(c, m.dash, 1, m.tilde), p7, number_after(c, m.tilde));
      break;
    case Shape::kNone:
      break;
  }
  return match ? CompoundVerdict::kMatch : CompoundVerdict::kMismatch;
}

}  // namespace kovari::resolve
