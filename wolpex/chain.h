// The eigen-analysis of a free torsional oscillator chain: n rotating masses J1..Jn joined by
// the torsional springs ct1..ct(n-1), neither end tied to the ground. With the stiffness
// matrix K and M = diag(1/sqrt(Ji)), A = M K M is symmetric and tridiagonal; its eigenvalues
// are the squared angular frequencies and M times an eigenvector is the mode shape.
// Pure C++: every input is a parameter.
#pragma once

#include <string>
#include <vector>

namespace wolpex {

inline constexpr int MAX_MASSES = 16;
// The circle constant of this program: the frequencies are printed with it.
inline constexpr double PI = 3.14159;

// The arrays of one analysis. Vectors and matrices count from 1 and leave element 0 unused;
// an n x n matrix is flat, row by row: element (i, j) lies at (i-1)*n + j.
struct WorkSet {
    explicit WorkSet(int mass_count);

    int n;
    std::vector<double> inv_sqrt_inertia; // M
    std::vector<double> stiffness_matrix; // K
    std::vector<double> mk_product;       // M K
    std::vector<double> dynamic_matrix;   // A = (M K) M
    std::vector<double> eigenvalues;      // d: diagonal of A in, eigenvalues ascending out
    std::vector<double> eigenvectors;     // Z: identity in, eigenvectors in its columns out
    std::vector<double> offdiag;          // e: sub-diagonal of A in, destroyed by imtql2
    std::vector<double> spring_rate;      // ct1..ct(n-1)
    std::vector<double> freq_work;        // the frequencies in Hz
    std::vector<double> mode_amplitude;   // the mode shape being drawn

    std::size_t at(int i, int j) const { return static_cast<std::size_t>((i - 1) * n + j); }
};

// The mass count typed into the form: truncated toward zero; beyond int it stays beyond
// the allowed counts.
int truncate_count(double count);

bool count_allowed(int mass_count);

// M, the springs, K, M K, A, then d, Z = identity and e from A.
// inertia and stiffness are indexed 1..16 like the form.
void build_matrices(WorkSet& work, const double* inertia, const double* stiffness);

// An empty text when every element of M, K and A is finite, otherwise the message that
// names the input that makes the chain impossible to analyse.
std::string invalid_input_message(const WorkSet& work, const double* inertia,
                                  const double* stiffness);

// sqrt(a^2 + b^2) without squaring the larger operand.
double pythag(double a, double b);

// |a| with the sign of b; b = -0.0 counts as positive.
double transfer_sign(double a, double b);

// The implicit QL method with shifts for the symmetric tridiagonal matrix (d, e), the
// rotations accumulated into z. d, e and z are 1-based, z flat n x n. Returns 0 when it
// converged, 1 when an eigenvalue needed more than 30 iterations.
int imtql2(int n, double* d, double* e, double* z);

// The natural frequency in Hz of an eigenvalue: 0 for an eigenvalue that is not above 0 and
// for a frequency below 0.001 Hz.
double frequency_hz(double eigenvalue);

enum class Outcome { completed, invalid_input, not_converged };

// The whole analysis of a chain of work.n masses: matrices, the check of the inputs,
// imtql2 and the frequencies into freq_work. message holds the refusal of invalid inputs.
struct AnalysisResult {
    Outcome outcome;
    std::string message;
};
AnalysisResult analyse(WorkSet& work, const double* inertia, const double* stiffness);

} // namespace wolpex
