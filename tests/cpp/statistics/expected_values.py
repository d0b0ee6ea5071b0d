"""Independent reference for the statistics value tables.

Every statistic is computed directly from its textbook definition over each
full window (two-pass moments, numpy's polyfit and quantiles, plain loops),
not with the incremental sums of the C++ code. Run it to regenerate the
table in value_table.inc: python3 expected_values.py > value_table.inc
"""
import math
import numpy as np

N = 40
closes = [round(100 + 10 * math.sin(0.7 * i) + 0.3 * i + ((i * 37) % 11) * 0.5, 6) for i in range(N)]
highs = [c + 1 + (i % 3) for i, c in enumerate(closes)]
lows = [c - 1 - (i % 2) for i, c in enumerate(closes)]
refs = [round(50 + 3 * math.cos(0.3 * i), 6) for i in range(N)]


def windows(n, series=closes):
    for end in range(n - 1, N):
        yield end, np.array(series[end - n + 1:end + 1])


def central(w, k):
    return np.mean((w - w.mean()) ** k)


def fit(w):
    slope, b0 = np.polyfit(np.arange(len(w)), w, 1)
    resid = w - (b0 + slope * np.arange(len(w)))
    return slope, b0, float(np.sum(resid ** 2))


def hurst(w, chunks):
    pts = []
    for k in range(1, chunks + 1):
        u = len(w) // k
        rs = []
        for c in range(k):
            x = w[c * u:(c + 1) * u]
            y = np.cumsum(x - x.mean())
            r, s = y.max() - y.min(), math.sqrt(np.mean((x - x.mean()) ** 2))
            if r != 0 and s != 0:
                rs.append(r / s)
        if rs:
            pts.append((math.log(u), math.log(np.mean(rs))))
    if len(pts) < 2:
        return 0.5
    xs, ys = np.array(pts).T
    return min(max(np.polyfit(xs, ys, 1)[0], 0.0), 1.0)


def sample_entropy(w, m, r):
    v = np.var(w)
    if v == 0:
        return 0.0
    tol = r * math.sqrt(v)
    starts = len(w) - m
    a = b = 0
    for i in range(starts):
        for j in range(i + 1, starts):
            if all(abs(w[i + t] - w[j + t]) <= tol for t in range(m)):
                b += 1
                a += abs(w[i + m] - w[j + m]) <= tol
    if b == 0:
        return 0.0
    return math.log(b) if a == 0 else -math.log(a / b)


def shannon(w, bins):
    lo, hi = w.min(), w.max()
    if lo >= hi:
        return 0.0
    width = (hi - lo) / bins
    counts = np.zeros(bins)
    for x in w:
        counts[min(int((x - lo) / width), bins - 1)] += 1
    p = counts[counts > 0] / len(w)
    return float(-np.sum(p * np.log2(p)))


def variance_ratio(w, q):
    d = np.diff(w)
    mu = d.mean()
    v1 = np.mean((d - mu) ** 2)
    if v1 <= 0:
        return 1.0
    runs = np.array([d[j:j + q].sum() for j in range(len(d) - q + 1)])
    return np.sum((runs - q * mu) ** 2) / (len(w) - q) / (q * v1)


def k_ratio(w):
    c = np.cumsum(w)
    x = np.arange(1, len(w) + 1)
    slope, icpt = np.polyfit(x, c, 1)
    rss = np.sum((c - icpt - slope * x) ** 2)
    sxx = np.sum((x - x.mean()) ** 2)
    return 0.0 if rss <= 0 else slope / math.sqrt(rss / (len(w) - 2) / sxx)


def percent_rank(w):
    x = w[-1]
    return (np.sum(w < x) + 0.5 * np.sum(w == x)) / len(w) * 100


def mad(w):
    return float(np.median(np.abs(w - np.median(w))))


def regime(a, b):
    rets = [math.log(closes[i] / closes[i - 1]) for i in range(1, N)]
    out = {}
    vols = []
    for end in range(a - 1, len(rets)):
        vols.append(np.std(rets[end - a + 1:end + 1], ddof=1))
        if len(vols) >= b:
            last = np.array(vols[-b:])
            q1, q3 = np.quantile(last, 0.25), np.quantile(last, 0.75)
            out[end + 1] = -1.0 if vols[-1] < q1 else (1.0 if vols[-1] > q3 else 0.0)
    return out


def table():
    n = 6
    simple = {
        "Variance": lambda w: np.var(w),
        "StdDev": lambda w: np.std(w),
        "ZScore": lambda w: (w[-1] - w.mean()) / np.std(w),
        "CoefficientOfVariation": lambda w: np.std(w) / w.mean(),
        "Skewness": lambda w: central(w, 3) / central(w, 2) ** 1.5,
        "Kurtosis": lambda w: central(w, 4) / central(w, 2) ** 2 - 3,
        "JarqueBera": lambda w: len(w) / 6 * ((central(w, 3) / central(w, 2) ** 1.5) ** 2
                                              + (central(w, 4) / central(w, 2) ** 2 - 3) ** 2 / 4),
        "MedianAbsoluteDeviation": mad,
        "RollingIqr": lambda w: np.quantile(w, 0.75) - np.quantile(w, 0.25),
        "RollingPercentileRank": percent_rank,
        "RollingMinMaxScaler": lambda w: (w[-1] - w.min()) / (w.max() - w.min()),
        "MidPoint": lambda w: (w.max() + w.min()) / 2,
        "LinRegSlope": lambda w: fit(w)[0],
        "LinRegAngle": lambda w: math.degrees(math.atan(fit(w)[0])),
        "LinRegIntercept": lambda w: fit(w)[1],
        "LinearRegression": lambda w: fit(w)[1] + fit(w)[0] * (len(w) - 1),
        "Tsf": lambda w: fit(w)[1] + fit(w)[0] * len(w),
        "TsfOscillator": lambda w: (w[-1] - (fit(w)[1] + fit(w)[0] * len(w))) * 100 / w[-1],
        "RSquared": lambda w: np.corrcoef(np.arange(len(w)), w)[0, 1] ** 2,
        "DetrendedStdDev": lambda w: math.sqrt(fit(w)[2] / len(w)),
        "StandardError": lambda w: math.sqrt(fit(w)[2] / (len(w) - 2)),
        "KRatio": k_ratio,
        "TrendLabel": lambda w: float(np.sign(fit(w)[0])),
    }
    rows = []
    for name, f in simple.items():
        rows.append((name, [n], {end: f(w) for end, w in windows(n)}))
    rows.append(("RollingQuantile", [n, 0.3], {e: np.quantile(w, 0.3) for e, w in windows(n)}))
    rows.append(("MidPrice", [n], {e: (max(highs[e - n + 1:e + 1]) + min(lows[e - n + 1:e + 1])) / 2
                                   for e in range(n - 1, N)}))
    rows.append(("LogReturn", [3], {e: math.log(closes[e] / closes[e - 3]) for e in range(3, N)}))
    rows.append(("Autocorrelation", [10, 2],
                 {e: np.sum((w[:-2] - w.mean()) * (w[2:] - w.mean())) / np.sum((w - w.mean()) ** 2)
                  for e, w in windows(10)}))
    rows.append(("HurstExponent", [20, 3], {e: hurst(w, 3) for e, w in windows(20)}))
    spreads = [c - r for c, r in zip(closes, refs)]
    rows.append(("VarianceRatio", [12, 3], {e: variance_ratio(w, 3) for e, w in windows(12, spreads)}))
    rows.append(("SampleEntropy", [15, 2, 0.5], {e: sample_entropy(w, 2, 0.5) for e, w in windows(15)}))
    rows.append(("ShannonEntropy", [12, 4], {e: shannon(w, 4) for e, w in windows(12)}))
    rows.append(("RegimeLabel", [4, 6], regime(4, 6)))
    return rows


def cpp(v):
    return repr(float(v))


if __name__ == "__main__":
    print("// Generated by expected_values.py (independent numpy reference).")
    print("const std::vector<double> kCloses{" + ", ".join(cpp(c) for c in closes) + "};")
    print("const std::vector<double> kHighs{" + ", ".join(cpp(c) for c in highs) + "};")
    print("const std::vector<double> kLows{" + ", ".join(cpp(c) for c in lows) + "};")
    print("const std::vector<double> kRefs{" + ", ".join(cpp(c) for c in refs) + "};")
    print("const std::vector<ValueCase> kValueCases{")
    for name, params, vals in table():
        first = min(vals)
        picks = sorted({first, first + 1, 20, 31, N - 1})
        pts = ", ".join("{%d, %s}" % (i, cpp(vals[i])) for i in picks)
        print('    {"%s", {%s}, %d, {%s}},' % (name, ", ".join(cpp(p) if isinstance(p, float) else str(p) for p in params), first, pts))
    print("};")
