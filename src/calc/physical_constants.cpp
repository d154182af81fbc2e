#include "calc/physical_constants.h"

#include <array>

#include "calc/ascii_case.h"

namespace quantora {
namespace {

struct NamedConstant {
    std::string_view name;
    double value;
};

// CODATA 1986 recommended values, in the units the formulas expect.
constexpr std::array<NamedConstant, PhysicalConstants::kCount + 2> kTable{{
    {"", 0.0},
    {"_LAMBDA_BAR_e", 3.86159323e-13},
    {"_SIGMA_0_BARN", 0.66524616},
    {"_SIN2_THETA_W", 0.23192},
    {"_h_BAR_MeVs", 6.582122e-22},
    {"_MU_B_MeV_T", 5.78838263e-11},
    {"_LAMBDA_1EV", 1.23984244e-06},
    {"_MU_N_MeV_T", 3.15245166e-14},
    {"_R_INF_EV", 13.6056981},
    {"_SIGMA_SB", 5.67051e-08},
    {"_LAMBDAT", 0.002897756},
    {"_m_D_MeV", 1875.61339},
    {"_m_e_MeV", 0.51099906},
    {"_m_P_MeV", 938.27231},
    {"_m_P_M_E", 1836.152701},
    {"_V_MOLAR", 0.0224141},
    {"_hBARc2", 0.38937966},
    {"_K_B_EV", 8.617385e-05},
    {"_m_e_kg", 9.1093897e-31},
    {"_m_P_kg", 1.6726231e-27},
    {"_Alpha", 7.29735308e-3},
    {"_EPS_0", 8.854187817e-12},
    {"_e_ESU", 4.8032068e-10},
    {"_E_M_e", 1.75881962e+11},
    {"_E_M_P", 95788309},
    {"_h_BAR", 1.05457266e-34},
    {"_hBARc", 197.327053},
    {"_m_P_u", 1.00727647},
    {"_u_MeV", 931.49432},
    {"_G_SI", 6.67259e-11},
    {"_M_Z0", 91.187},
    {"_MU_0", 1.2566370614e-06},
    {"_u_kg", 1.6605402e-27},
    {"_a_0", 5.29177249e-11},
    {"_e_C", 1.60217733e-19},
    {"_G_F", 1.16639e-05},
    {"_G_P", 6.70711e-39},
    {"_G_S", 0.117},
    {"_K_B", 1.380658e-23},
    {"_M_W", 80.22},
    {"_N_A", 6.0221367e+23},
    {"_r_e", 2.81794092e-15},
    {"_c", 299792458},
    {"_h", 6.6260755e-34},
    {"_g", 9.80665},
    {PhysicalConstants::kEndMarker, 0.0},
}};

}  // namespace

std::string_view PhysicalConstants::NameAt(int index) const {
    if (index < 0 || index >= static_cast<int>(kTable.size())) return {};
    return kTable[static_cast<std::size_t>(index)].name;
}

double PhysicalConstants::ConstantValue(std::string_view name) const {
    for (const NamedConstant& entry : kTable) {
        if (EqualsIgnoringAsciiCase(entry.name, name)) return entry.value;
    }
    return 0.0;
}

}  // namespace quantora
