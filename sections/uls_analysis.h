// Resistance of a reinforced-concrete section at the ultimate limit state (NTC 2018
// §4.1.2.3.4.2, EN 1992-1-1 §6.1 for fck <= 50 N/mm²): the moment M_Rd the section resists under
// a normal force, and the N-M domain. Units kg, cm, kg/cm²; conventions of the elastic analysis
// (sections/section_analysis.h): depths from the top edge, N at H/2 positive in compression, M
// about H/2 positive when it compresses the top, strains and stresses positive in compression.
//
// Laws (NTC 2018 §4.1.2.1.2): concrete parabola-rectangle, sigma = fcd (2e/ec2 - (e/ec2)^2)
// up to ec2 = 0.0020 and fcd up to ecu = 0.0035, nothing in tension; steel elastic-perfectly
// plastic without a strain limit (§4.1.2.1.2.2, model b), sigma = clamp(Es e, -fyd, fyd). The
// bars do not displace concrete.
//
// Ultimate planes, x the neutral-axis depth from the compressed edge: 0 < x <= H with that
// edge at ecu; x > H with ec2 at 3H/7 from it, up to the uniform ec2 (N_Rd,c); the limit
// x -> 0 with every bar below the edge at -fyd, and where a bar lies on the edge itself, its
// stress rising from -fyd along x = 0 (N_Rd,t at the bottom: every bar at -fyd). A negative
// moment is the mirror image: the section turned over. The compressed concrete is integrated
// in closed form over the trapezoids of the outline; M_Rd(N) by a bracketed root search on the
// family of planes, to 1e-12 of the largest of |N|, |N_Rd,t|, |N_Rd,c|.
#pragma once

#include <memory>
#include <optional>
#include <vector>

#include "sections/section_analysis.h"
#include "sections/si_units.h"
#include "sections/uls_materials.h"

namespace lirvo {

inline constexpr double kStrainC2 = 0.0020;  // NTC 2018 §4.1.2.1.2.1, classes up to C50/60
inline constexpr double kStrainCu = 0.0035;
// Es = 200000 N/mm² (EN 1992-1-1 §3.2.7(4)) in kg/cm²: N/mm² times 100 mm²/cm² over 9.80665
// N/kg, 2039432 kg/cm².
inline constexpr double kSteelModulus = 200000.0 * 100 / kNewtonsPerKg;

// An ultimate plane and the stresses it gives, in the section's own frame (top edge at 0).
struct UlsState {
    // Neutral-axis depth from the compressed edge (the top for M_Rd+, the bottom for M_Rd-),
    // cm; +infinity for the uniform plane, 0 at the tension end and along x = 0.
    double x = 0;
    double strainTop = 0, strainBottom = 0;        // at the top and bottom edges; -inf past yield
    std::vector<double> steelStrain, steelStress;  // kg/cm², in the order of the model's steel
    double N = 0, M = 0;                           // resultant, kg and kg cm about H/2
};

struct UlsDomainPoint {
    double N, positive, negative;  // N (kg), M_Rd+ and M_Rd- (kg cm)
};

// A section (outline, H and steel of a SectionModel: n and the actions play no part) with its
// design strengths, ready for any number of resistances.
class UlsSection {
  public:
    UlsSection(const SectionModel& section, UlsStrengths strengths);
    ~UlsSection();
    UlsSection(const UlsSection&) = delete;
    UlsSection& operator=(const UlsSection&) = delete;

    // The outline is a section of depth H (validOutline), the bars lie within it with areas
    // >= 0, fcd and fyd are positive and finite.
    bool valid() const;
    double tensionResistance() const;      // N_Rd,t: every bar at -fyd, kg (<= 0)
    double compressionResistance() const;  // N_Rd,c: the uniform ec2 plane, kg
    // The ultimate plane of axial resultant N that gives M_Rd+ (positive true) or M_Rd-; none
    // where N lies outside N_Rd,t..N_Rd,c. Where two planes give N (fyd > Es ec2 with elastic
    // bars above 3H/7), the one whose x is nearest H.
    std::optional<UlsState> resistance(double N, bool positive) const;
    // `points` >= 2 values of N evenly spaced from N_Rd,t to N_Rd,c, both included.
    std::vector<UlsDomainPoint> domain(int points) const;

  private:
    struct Side;
    double tolerance(double N) const;  // of the root search, kg

    bool valid_ = false;
    double tension_ = 0, compression_ = 0;  // N_Rd,t and N_Rd,c, kg
    std::unique_ptr<const Side> sides_[2];  // the section as it is (M_Rd+) and turned over (M_Rd-)
};

}  // namespace lirvo
