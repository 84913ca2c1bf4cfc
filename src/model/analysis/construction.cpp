#include "analysis/construction.h"

#include <algorithm>
#include <cstring>

#include "tables/store.h"

namespace quorvan {
namespace {

// Calls f(index) for every byte of t[0..size) that is not 255, in index
// order. Tables are mostly unobserved: 32 bytes are passed over at once
// while they are all 255.
template <typename F>
void forEachSet(const std::uint8_t* t, std::size_t size, F&& f) {
  constexpr std::uint64_t all = ~std::uint64_t{0};
  std::size_t i = 0;
  for (; i + 32 <= size; i += 32) {
    std::uint64_t w[4];
    std::memcpy(w, t + i, 32);
    if ((w[0] & w[1] & w[2] & w[3]) == all) continue;
    for (std::size_t j = i; j < i + 32; ++j)
      if (t[j] != NotSeen) f(j);
  }
  for (; i < size; ++i)
    if (t[i] != NotSeen) f(i);
}

// Point k of index p is its base-6 digit of weight 6^(N-1-k).
void digitsOf(std::size_t p, int n, PointValue* d) {
  for (int k = n - 1; k >= 0; --k) {
    d[k] = static_cast<PointValue>(p % 6);
    p /= 6;
  }
}

// A combination is handled three points at a time: an index splits into
// base-216 chunks of three digits (the leading chunk may hold one or two),
// and a symmetry, which maps every digit alike, maps each chunk on its own.
// So an image costs one lookup per chunk and a line is copied nine
// characters at a time.
struct ChunkTables {
  // image[len - 1][kind][c]: chunk c of len digits under the kind
  std::uint8_t image[3][6][216];
  // The texts of the three digits of c; a chunk of len digits is the last
  // 3 * len characters.
  char text[216][9];
  ChunkTables() {
    for (int len = 1; len <= 3; ++len) {
      const int count = kPow6[len];
      for (int g = 0; g < 6; ++g)
        for (int c = 0; c < count; ++c) {
          int mapped = 0, weight = 1, rest = c;
          for (int k = 0; k < len; ++k, rest /= 6, weight *= 6) mapped += kSymmetry[g][rest % 6] * weight;
          image[len - 1][g][c] = static_cast<std::uint8_t>(mapped);
        }
    }
    constexpr char kValueText[6][4] = {"  0", "  1", "  2", " -0", " -1", " -2"};
    for (int c = 0; c < 216; ++c) {
      std::memcpy(text[c], kValueText[c / 36], 3);
      std::memcpy(text[c] + 3, kValueText[c / 6 % 6], 3);
      std::memcpy(text[c] + 6, kValueText[c % 6], 3);
    }
  }
};
const ChunkTables kChunks;

// One index taken apart into its chunks, least significant first.
struct Chunks {
  Chunks(std::size_t p, int n) : whole(n / 3), leadLength(n % 3) {
    for (int i = 0; i < whole; ++i, p /= 216) chunk[i] = static_cast<std::uint16_t>(p % 216);
    lead = static_cast<std::uint16_t>(p);
  }
  std::size_t imageIndex(int kind) const {
    std::size_t q = leadLength ? kChunks.image[leadLength - 1][kind][lead] : 0;
    for (int i = whole - 1; i >= 0; --i) q = q * 216 + kChunks.image[2][kind][chunk[i]];
    return q;
  }
  // The text of all points, three characters each; returns its length.
  std::size_t text(char* out) const {
    std::size_t len = 0;
    if (leadLength) {
      const std::size_t l = 3 * static_cast<std::size_t>(leadLength);
      std::memcpy(out, kChunks.text[lead] + 9 - l, l);
      len = l;
    }
    for (int i = whole - 1; i >= 0; --i, len += 9) std::memcpy(out + len, kChunks.text[chunk[i]], 9);
    return len;
  }
  std::uint16_t chunk[3];
  std::uint16_t lead;
  int whole, leadLength;
};

// Which points the two histograms count, by N.
struct HistogramPoints {
  int otherFirst, otherLast;  // a range of points
  int firstA, firstB;         // point 0, and a second point or -1
};
constexpr HistogramPoints histogramPoints(int n) {
  switch (n) {
    case 3: return {1, 2, 0, -1};
    case 4: return {1, 3, 0, -1};
    case 5: return {1, 4, 0, -1};
    case 6: return {1, 5, 0, -1};
    case 7: return {1, 6, 0, -1};
    case 8: return {1, 6, 0, 7};
    default: return {1, 6, 0, 8};  // 9: point 7 is not counted
  }
}

}  // namespace

void constructTables(int n, const std::uint8_t* observed, ConstructionState& st,
                     const ConstructionOptions& opt) {
  st.resetCounts();
  if (n < MinPoints || n > MaxPoints) return;

  const std::size_t size = static_cast<std::size_t>(kPow6[n]);
  const std::uint8_t* T = observed;
  const bool completes = n >= 5;
  std::uint8_t* S = completes ? st.symmetricForN(n).data() : nullptr;
  if (completes) std::memcpy(S, T, size);

  const HistogramPoints hp = histogramPoints(n);
  PointValue d[MaxPoints];

  // Count and complete.
  forEachSet(T, size, [&](std::size_t p) {
    const std::uint8_t v = T[p];
    if (v > 5) return;
    const Chunks ch(p, n);
    ++st.valueCounts[v];
    if (v == 0) {
      digitsOf(p, n, d);
      for (int k = hp.otherFirst; k <= hp.otherLast; ++k) ++st.otherPointHistogram[d[k]];
      ++st.firstPointHistogram[d[hp.firstA]];
      if (hp.firstB >= 0) ++st.firstPointHistogram[d[hp.firstB]];
      if (n == 5) st.lastZeroFirstIsOne = d[0] == 1 ? 1 : 0;
    }
    // "U c" counts p when T[p] = c, or else when the negation of p holds
    // c + 3. Each counted p is either observed with c, or the negation of
    // an entry observed with c + 3 (negation is its own inverse).
    if (v <= 2) {
      ++st.unionCounts[v];
    } else {
      const int c = v - 3;
      if (T[ch.imageIndex(3)] != c) ++st.unionCounts[c];
    }
    if (completes)
      for (int g = 1; g <= 5; ++g) S[ch.imageIndex(g)] = kSymmetry[g][v];
  });

  // List. Below N = 7 only observed entries give rows or lines, so the
  // walk takes T and Total (the completed entries of the counted value) is
  // counted over S apart, in one vectorised sweep of its small table. From
  // N = 7 on the class-0 test reads the completion; every entry the
  // completion wrote is set in S, so the walk takes S and counts Total as
  // it goes, skipping the large unobserved stretches.
  const bool walkCompletion = n >= 7;
  // N = 5 counts the value 1, every other N the value 0. No test can tell
  // the two apart for N = 5: symmetry 1 maps 0 to 1 and every entry's
  // orbit is completed, so the completion holds as many 1s as 0s.
  const std::uint8_t totalValue = n == 5 ? 1 : 0;
  if (completes && !walkCompletion) st.total = static_cast<std::int32_t>(std::count(S, S + size, totalValue));
  const std::uint8_t* listed = walkCompletion ? S : T;
  const bool withZero = opt.classPanels || opt.zeroColumn;
  char all[3 * MaxPoints];
  char line[3 * MaxPoints + 2];
  PanelTexts& out = st.panels;
  const std::size_t firstWeight = static_cast<std::size_t>(kPow6[n - 1]);
  forEachSet(listed, size, [&](std::size_t p) {
    const std::uint8_t t = T[p];
    const std::uint8_t s = completes ? S[p] : t;
    if (walkCompletion && s == totalValue) ++st.total;
    const std::uint8_t testEntry = walkCompletion ? s : t;
    const bool classLine = opt.classPanels && t <= 2;
    const bool zeroLine = !opt.classPanels && testEntry == 0;
    const bool negLine = t >= 3 && t <= 5;
    if (t != 0 && !classLine && !zeroLine && !negLine) return;

    if (t == 0) {
      digitsOf(p, n, d);
      if (opt.table1) appendRow(*opt.table1, d, n);
      if (opt.table2) appendRow(*opt.table2, d, n);
    }
    if (!classLine && !zeroLine && !negLine) return;
    const std::size_t first = p / firstWeight;  // point 0
    const std::size_t full = Chunks(p, n).text(all);
    std::size_t len = 0;
    if (withZero) {
      std::memcpy(line, all, 3);
      len = 3;
      if (n == 3) {
        line[len++] = ' ';
        line[len++] = ' ';
      }
    }
    std::memcpy(line + len, all + 3, full - 3);
    len += full - 3;

    if (classLine) {
      out.add(t, line, len);
    } else if (zeroLine) {
      if (n == 7) ++st.unionCounts[0];
      out.add(0, line, len);
      if (opt.zeroToAll) {
        out.add(1, line, len);
        out.add(2, line, len);
      } else {
        if (first == 1) out.add(1, line, len);
        if (first == 4) out.add(2, line, len);
      }
    }
    if (negLine) out.add(t, line, len);
  });
}

}  // namespace quorvan
