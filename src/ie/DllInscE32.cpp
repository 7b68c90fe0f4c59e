// DllInscE32: the state tax number (inscrição estadual, IE) check of the 27
// Brazilian states, after the rules each state publishes on SINTEGRA.
//
//   int ConsisteInscricaoEstadual(const char *insc, const char *uf);
//
// 0 when the number is valid for the state, 1 otherwise (also for an unknown
// state, a null argument or a number without digits). Punctuation in the
// number (. - / , blanks) is ignored; any other character makes it invalid,
// except the leading "P" of São Paulo's rural producer form. The state is
// matched without regard to case or surrounding blanks.
//
// The original library used the callee-cleans-stack convention of 32-bit
// Windows; x86-64 Linux has a single calling convention, so plain C linkage
// is the same contract here.

#include <cstddef>
#include <cstring>
#include <initializer_list>

// No standard containers: their C++20 headers bring "unique" symbols that
// make the dynamic loader keep the library loaded for good, and the program
// loads and unloads it for every check.

namespace {

// The digits of the number, in order. No state has more than 14; a longer
// number is kept as "too long" and fails every rule.
class Digits {
public:
    Digits() = default;
    Digits(std::initializer_list<int> values)
    {
        for (int v : values)
            push_back(v);
    }
    void push_back(int v)
    {
        if (m_size < kCapacity)
            m_values[m_size] = v;
        ++m_size;
    }
    size_t size() const { return m_size; }
    bool empty() const { return m_size == 0; }
    int operator[](size_t i) const { return i < kCapacity ? m_values[i] : 0; }

private:
    static constexpr size_t kCapacity = 16;
    int m_values[kCapacity] = {};
    size_t m_size = 0;
};

// Sum of d[from + i] * weights[i].
int weighted(const Digits &d, std::initializer_list<int> weights, size_t from = 0)
{
    int sum = 0;
    size_t i = from;
    for (int w : weights)
        sum += d[i++] * w;
    return sum;
}

// Weights n, n-1, ..., 2 over the first n-1 digits.
int descending(const Digits &d, int n)
{
    int sum = 0;
    for (int i = 0; i < n - 1; ++i)
        sum += d[i] * (n - i);
    return sum;
}

// The common modulus-11 rule: 11 minus the remainder, 0 when that is 10 or 11.
int mod11(int sum)
{
    const int r = sum % 11;
    return r < 2 ? 0 : 11 - r;
}

// Rondônia and Pernambuco's old form: 11 minus the remainder, less 10 when it
// has two digits.
int mod11Minus10(int sum)
{
    const int dv = 11 - sum % 11;
    return dv >= 10 ? dv - 10 : dv;
}

int mod10(int sum)
{
    const int r = sum % 10;
    return r == 0 ? 0 : 10 - r;
}

int number(const Digits &d, size_t count)
{
    int n = 0;
    for (size_t i = 0; i < count; ++i)
        n = n * 10 + d[i];
    return n;
}

bool startsWith(const Digits &d, int a, int b)
{
    return d.size() >= 2 && d[0] == a && d[1] == b;
}

bool prefixIn(const Digits &d, std::initializer_list<int> prefixes)
{
    if (d.size() < 2)
        return false;
    const int p = d[0] * 10 + d[1];
    for (int q : prefixes)
        if (p == q)
            return true;
    return false;
}

// Nine digits, the last one the common modulus 11 over weights 9..2.
bool nineMod11(const Digits &d)
{
    return d.size() == 9 && d[8] == mod11(descending(d, 9));
}

// Acre and the Federal District: thirteen digits, two check digits.
bool thirteenTwoDigits(const Digits &d)
{
    return d.size() == 13 && d[11] == mod11(weighted(d, {4, 3, 2, 9, 8, 7, 6, 5, 4, 3, 2})) &&
           d[12] == mod11(weighted(d, {5, 4, 3, 2, 9, 8, 7, 6, 5, 4, 3, 2}));
}

bool AC(const Digits &d)
{
    return startsWith(d, 0, 1) && thirteenTwoDigits(d);
}

bool DF(const Digits &d)
{
    return startsWith(d, 0, 7) && thirteenTwoDigits(d);
}

bool AL(const Digits &d)
{
    // (sum * 10) mod 11 with 10 -> 0 is the common rule written another way.
    return startsWith(d, 2, 4) && nineMod11(d);
}

bool AP(const Digits &d)
{
    if (d.size() != 9 || !startsWith(d, 0, 3))
        return false;
    const int base = number(d, 8);
    int p = 0;
    int dd = 0;
    if (base >= 3000001 && base <= 3017000) {
        p = 5;
    } else if (base >= 3017001 && base <= 3019022) {
        p = 9;
        dd = 1;
    }
    int dv = 11 - (p + descending(d, 9)) % 11;
    if (dv == 10)
        dv = 0;
    else if (dv == 11)
        dv = dd;
    return d[8] == dv;
}

bool BA(const Digits &d)
{
    const size_t n = d.size();
    if (n != 8 && n != 9)
        return false;
    // The modulus follows the first digit (8 digits) or the second (9 digits).
    const int selector = n == 8 ? d[0] : d[1];
    const bool useMod10 = selector <= 5 || selector == 8;
    const auto check = [useMod10](int sum) { return useMod10 ? mod10(sum) : mod11(sum); };
    const size_t base = n - 2;
    // The last digit is computed first, over the base digits; the one before
    // it over the base digits plus that last digit.
    int sum2 = 0;
    for (size_t i = 0; i < base; ++i)
        sum2 += d[i] * int(base + 1 - i);
    const int dv2 = check(sum2);
    int sum1 = 0;
    for (size_t i = 0; i < base; ++i)
        sum1 += d[i] * int(base + 2 - i);
    sum1 += dv2 * 2;
    const int dv1 = check(sum1);
    return d[n - 2] == dv1 && d[n - 1] == dv2;
}

bool GO(const Digits &d)
{
    if (d.size() != 9 || !prefixIn(d, {10, 11, 15, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29}))
        return false;
    const int base = number(d, 8);
    if (base == 11094402) // the rule's one exception: either digit stands
        return d[8] == 0 || d[8] == 1;
    const int r = descending(d, 9) % 11;
    int dv;
    if (r == 0)
        dv = 0;
    else if (r == 1)
        dv = (base >= 10103105 && base <= 10119997) ? 1 : 0;
    else
        dv = 11 - r;
    return d[8] == dv;
}

bool MA(const Digits &d)
{
    return startsWith(d, 1, 2) && nineMod11(d);
}

bool MT(const Digits &d)
{
    if (d.size() > 11)
        return false;
    // Shorter numbers are the same numbers written without leading zeros.
    Digits full;
    for (size_t i = d.size(); i < 11; ++i)
        full.push_back(0);
    for (size_t i = 0; i < d.size(); ++i)
        full.push_back(d[i]);
    return full[10] == mod11(weighted(full, {3, 2, 9, 8, 7, 6, 5, 4, 3, 2}));
}

bool MS(const Digits &d)
{
    return prefixIn(d, {28, 50}) && nineMod11(d);
}

bool MG(const Digits &d)
{
    if (d.size() != 13)
        return false;
    // First digit: a zero goes in after the three-digit town code; the twelve
    // digits are weighted 1, 2, 1, 2... and the digits of the products added.
    const Digits twelve = {d[0], d[1], d[2], 0, d[3], d[4], d[5], d[6], d[7], d[8], d[9], d[10]};
    int sum = 0;
    for (size_t i = 0; i < twelve.size(); ++i) {
        const int product = twelve[i] * (i % 2 == 0 ? 1 : 2);
        sum += product / 10 + product % 10;
    }
    const int dv1 = mod10(sum);
    if (d[11] != dv1)
        return false;
    return d[12] == mod11(weighted(d, {3, 2, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2}));
}

bool PA(const Digits &d)
{
    return startsWith(d, 1, 5) && nineMod11(d);
}

bool PB(const Digits &d)
{
    return nineMod11(d);
}

bool PR(const Digits &d)
{
    return d.size() == 10 && d[8] == mod11(weighted(d, {3, 2, 7, 6, 5, 4, 3, 2})) &&
           d[9] == mod11(weighted(d, {4, 3, 2, 7, 6, 5, 4, 3, 2}));
}

bool PE(const Digits &d)
{
    if (d.size() == 9) // the current (e-Fisco) form
        return d[7] == mod11(descending(d, 8)) && d[8] == mod11(descending(d, 9));
    if (d.size() == 14) // the old CACEPE form
        return d[13] == mod11Minus10(weighted(d, {5, 4, 3, 2, 1, 9, 8, 7, 6, 5, 4, 3, 2}));
    return false;
}

bool PI(const Digits &d)
{
    return nineMod11(d);
}

bool RJ(const Digits &d)
{
    return d.size() == 8 && d[7] == mod11(weighted(d, {2, 7, 6, 5, 4, 3, 2}));
}

bool RN(const Digits &d)
{
    if (!startsWith(d, 2, 0))
        return false;
    if (d.size() == 9)
        return nineMod11(d);
    if (d.size() == 10)
        return d[9] == mod11(descending(d, 10));
    return false;
}

bool RS(const Digits &d)
{
    return d.size() == 10 && d[9] == mod11(weighted(d, {2, 9, 8, 7, 6, 5, 4, 3, 2}));
}

bool RO(const Digits &d)
{
    if (d.size() == 14) // since 2000
        return d[13] == mod11Minus10(weighted(d, {6, 5, 4, 3, 2, 9, 8, 7, 6, 5, 4, 3, 2}));
    if (d.size() == 9) // the old form: the town code (3 digits) does not count
        return d[8] == mod11Minus10(weighted(d, {6, 5, 4, 3, 2}, 3));
    return false;
}

bool RR(const Digits &d)
{
    return d.size() == 9 && startsWith(d, 2, 4) && d[8] == weighted(d, {1, 2, 3, 4, 5, 6, 7, 8}) % 9;
}

bool SC(const Digits &d)
{
    return nineMod11(d);
}

// The rightmost digit of the remainder (10 -> 0).
int spDigit(int sum)
{
    return sum % 11 % 10;
}

bool SPCheck(const Digits &d, bool rural)
{
    if (d.size() != 12)
        return false;
    const int dv1 = spDigit(weighted(d, {1, 3, 4, 5, 6, 7, 8, 10}));
    if (rural) // P-0MMMSSSS.D/NNN: one check digit, the last three do not count
        return d[0] == 0 && d[8] == dv1;
    return d[8] == dv1 && d[11] == spDigit(weighted(d, {3, 2, 10, 9, 8, 7, 6, 5, 4, 3, 2}));
}

bool SP(const Digits &d)
{
    return SPCheck(d, false);
}

bool SE(const Digits &d)
{
    return nineMod11(d);
}

bool TO(const Digits &d)
{
    if (d.size() == 9) // the current form
        return nineMod11(d);
    if (d.size() == 11) {
        // The old form: digits 3 and 4 are the kind (01, 02, 03 or 99) and do
        // not count.
        const int kind = d[2] * 10 + d[3];
        if (kind != 1 && kind != 2 && kind != 3 && kind != 99)
            return false;
        return nineMod11({d[0], d[1], d[4], d[5], d[6], d[7], d[8], d[9], d[10]});
    }
    return false;
}

bool AM(const Digits &d)
{
    return nineMod11(d);
}

bool CE(const Digits &d)
{
    return nineMod11(d);
}

bool ES(const Digits &d)
{
    return nineMod11(d);
}

struct Rule {
    const char *uf;
    bool (*check)(const Digits &);
};

const Rule kRules[] = {
    {"AC", AC}, {"AL", AL}, {"AP", AP}, {"AM", AM}, {"BA", BA}, {"CE", CE}, {"DF", DF},
    {"ES", ES}, {"GO", GO}, {"MA", MA}, {"MT", MT}, {"MS", MS}, {"MG", MG}, {"PA", PA},
    {"PB", PB}, {"PR", PR}, {"PE", PE}, {"PI", PI}, {"RJ", RJ}, {"RN", RN}, {"RS", RS},
    {"RO", RO}, {"RR", RR}, {"SC", SC}, {"SP", SP}, {"SE", SE}, {"TO", TO},
};

bool isPunctuation(char c)
{
    return std::strchr(" \t.-/\\,_()", c) != nullptr;
}

bool consiste(const char *insc, const char *uf)
{
    if (!insc || !uf)
        return false;

    char state[3] = {};
    size_t length = 0;
    for (const char *p = uf; *p; ++p) {
        const char c = *p;
        if (c == ' ' || c == '\t')
            continue;
        if (length == 2)
            return false;
        state[length++] = (c >= 'a' && c <= 'z') ? char(c - 32) : c;
    }
    if (length != 2)
        return false;

    Digits d;
    bool rural = false;
    for (const char *p = insc; *p; ++p) {
        const char c = *p;
        if (c >= '0' && c <= '9')
            d.push_back(c - '0');
        else if ((c == 'P' || c == 'p') && d.empty() && !rural && std::strcmp(state, "SP") == 0)
            rural = true;
        else if (!isPunctuation(c))
            return false;
    }
    if (d.empty())
        return false;
    if (rural)
        return SPCheck(d, true);

    for (const Rule &rule : kRules)
        if (std::strcmp(state, rule.uf) == 0)
            return rule.check(d);
    return false;
}

} // namespace

extern "C" __attribute__((visibility("default"))) int ConsisteInscricaoEstadual(const char *insc,
                                                                                const char *uf)
{
    return consiste(insc, uf) ? 0 : 1;
}
