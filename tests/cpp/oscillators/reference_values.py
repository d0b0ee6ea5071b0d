"""Independent reference for the oscillator tests.

Each function restates an oscillator's arithmetic step by step in plain
Python floats (IEEE doubles), with the fused multiply-add done exactly via
fractions, and prints the values the C++ tests compare against. Run it with
`python3 reference_values.py` to regenerate the tables.
"""
from fractions import Fraction
import math

EPS = 2.220446049250313e-16


def fma(a, b, c):
    return float(Fraction(a) * Fraction(b) + Fraction(c))


def bars():
    """The shared 60-bar fixture (high, low, close, volume)."""
    out = []
    for i in range(60):
        base = 100 + 8 * math.sin(i * 0.35) + 0.25 * i
        close = round(base + 2 * math.sin(i * 1.7), 2)
        high = round(max(base, close) + 1 + abs(math.cos(i * 0.9)), 2)
        low = round(min(base, close) - 1 - abs(math.sin(i * 1.3)), 2)
        volume = float((i * 37) % 11 * 100)
        out.append((high, low, close, volume))
    return out


class Ema:
    def __init__(self, n, alpha=None):
        self.n, self.count, self.sum, self.v = n, 0, -0.0, None
        self.alpha = 2.0 / (n + 1.0) if alpha is None else alpha
        self.beta = 1.0 - self.alpha

    def push(self, x):
        if self.count < self.n:
            self.sum = x + self.sum
            self.count += 1
            if self.count < self.n:
                return None
            self.v = self.sum / self.n
            return self.v
        self.v = fma(self.alpha, x, self.beta * self.v)
        return self.v


class Sma:
    # Short series only: no rebuild is reached in the fixture for n > 3;
    # for n <= 3 the rebuild gives the same left-to-right sum anyway here.
    def __init__(self, n):
        self.n, self.buf, self.sum, self.pushes = n, [], 0.0, 0

    def push(self, x):
        if len(self.buf) < self.n:
            self.buf.append(x)
            self.sum = x + self.sum
        else:
            old = self.buf.pop(0)
            self.buf.append(x)
            self.sum = x + (self.sum - old)
        self.pushes += 1
        if self.pushes >= 16 * self.n:
            s = -0.0
            for v in self.buf:
                s += v
            self.sum, self.pushes = s, 0
        return self.sum / self.n if len(self.buf) == self.n else None


def mid(a, b):
    return (a + b) * 0.5


def slide(win, item, n):
    """Appends to a window of at most n items; True once it holds n."""
    win.append(item)
    if len(win) > n:
        win.pop(0)
    return len(win) == n


class Rsi:
    def __init__(self, n):
        self.n, self.prev, self.ups, self.downs, self.au, self.ad = n, None, [], [], None, None

    def push(self, x):
        if self.prev is None:
            self.prev = x
            return None
        up, down = max(x - self.prev, 0.0), max(self.prev - x, 0.0)
        self.prev = x
        if self.au is None:
            self.ups.append(up)
            self.downs.append(down)
            if len(self.ups) < self.n:
                return None
            su, sd = -0.0, -0.0
            for u in self.ups:
                su = u + su
            for d in self.downs:
                sd = d + sd
            self.au, self.ad = su / self.n, sd / self.n
        else:
            n1, inv = self.n - 1.0, 1.0 / self.n
            self.au = fma(self.au, n1, up) * inv
            self.ad = fma(self.ad, n1, down) * inv
        total = self.au + self.ad
        return 50.0 if total == 0 else self.au * 100.0 / total


def lines(fast, slow, signal, inputs, diff=lambda a, b: a - b):
    """Two averages, their difference and its signal: (line, signal, histogram)."""
    out = []
    for x in inputs:
        a, b = fast(x), slow(x)
        if a is None or b is None:
            out.append(None)
            continue
        m = diff(a, b)
        sig = signal(m)
        out.append(None if sig is None else (m, sig, m - sig))
    return out


def macd(fast, slow, signal, closes, alphas=(None, None)):
    return lines(Ema(fast, alphas[0]).push, Ema(slow, alphas[1]).push, Ema(signal).push, closes)


def zlema_stream(n):
    lag, ema, buf = (n - 1) // 2, Ema(n), []

    def push(x):
        if not slide(buf, x, lag + 1):
            return None
        return ema.push(fma(x, 2.0, -buf[0]))
    return push


def zero_lag_macd(fast, slow, signal, closes):
    return lines(zlema_stream(fast), zlema_stream(slow), zlema_stream(signal), closes)


def vwma_stream(n):
    win = []

    def push(bar):
        if not slide(win, (bar[2], bar[3]), n):
            return None
        pv, vs, cs = -0.0, -0.0, -0.0
        for (cc, vv) in win:
            pv += cc * vv
            vs += vv
            cs += cc
        return pv / vs if vs > 0 else cs / n
    return push


def vw_macd(fast, slow, signal, data):
    return lines(vwma_stream(fast), vwma_stream(slow), Ema(signal).push, data)


def ppo_hist(fast, slow, signal, closes):
    def ppo(a, b):
        return 0.0 if b == 0 else (a - b) * 100.0 / b
    out = lines(Ema(fast).push, Ema(slow).push, Ema(signal).push, closes, ppo)
    return [None if v is None else v[2] for v in out]


def ao(fast, slow, data):
    f, s = Sma(fast), Sma(slow)
    out = []
    for (h, l, c, v) in data:
        m = mid(h, l)
        a, b = f.push(m), s.push(m)
        out.append(None if a is None or b is None else a - b)
    return out


def accelerator(fast, slow, signal, data):
    g = Sma(signal)
    out = []
    for a in ao(fast, slow, data):
        if a is None:
            out.append(None)
            continue
        m = g.push(a)
        out.append(None if m is None else a - m)
    return out


def elder_impulse(p, fast, slow, signal, closes):
    e = Ema(p)
    hist = macd(fast, slow, signal, closes)
    out, pe, ph = [], None, None
    for x, m in zip(closes, hist):
        ev = e.push(x)
        h = None if m is None else m[2]
        r = None
        if ev is not None and h is not None and pe is not None and ph is not None:
            r = 1.0 if (h > ph and ev > pe) else (-1.0 if (h < ph and ev < pe) else 0.0)
        if ev is not None:
            pe = ev
        if h is not None:
            ph = h
        out.append(r)
    return out


def stochastic(k, d, data):
    g, win, out = Sma(d), [], []
    for (h, l, c, v) in data:
        if not slide(win, (h, l), k):
            out.append(None)
            continue
        hh, ll = max(w[0] for w in win), min(w[1] for w in win)
        pk = 50.0 if hh == ll else (c - ll) * 100.0 / (hh - ll)
        dv = g.push(pk)
        out.append(None if dv is None else (pk, dv))
    return out


def williams_r(n, data):
    win, out = [], []
    for (h, l, c, v) in data:
        if not slide(win, (h, l), n):
            out.append(None)
            continue
        hh, ll = max(w[0] for w in win), min(w[1] for w in win)
        out.append(-50.0 if hh == ll else (hh - c) * -100.0 / (hh - ll))
    return out


def cci_stream(n):
    win = []

    def push(h, l, c):
        tp = (h + l + c) / 3.0
        if not slide(win, tp, n):
            return None
        s = -0.0
        for v in win:
            s += v
        mean = s / n
        dev = -0.0
        for v in win:
            dev += abs(v - mean)
        md = dev / n
        return 0.0 if md == 0 else (tp - mean) / (md * 0.015)
    return push


def window_stoch(values, n, flat):
    win, out = [], []
    for x in values:
        if x is None:
            out.append(None)
            continue
        if not slide(win, x, n):
            out.append(None)
            continue
        hi, lo = max(win), min(win)
        out.append(flat if hi == lo else (x - lo) * 100.0 / (hi - lo))
    return out


def stochastic_cci(n, data):
    c = cci_stream(n)
    return window_stoch([c(h, l, cl) for (h, l, cl, v) in data], n, 50.0)


def stoch_rsi(a, k, closes):
    r = Rsi(a)
    return window_stoch([r.push(x) for x in closes], k, 50.0)


def smi(k, a, b, data):
    ra, rb, ga, gb = Ema(a), Ema(b), Ema(a), Ema(b)
    win, out, last = [], [], None
    for (h, l, c, v) in data:
        if not slide(win, (h, l), k):
            out.append(None)
            continue
        hh, ll = max(w[0] for w in win), min(w[1] for w in win)
        rel, rng = c - mid(hh, ll), hh - ll
        r1, g1 = ra.push(rel), ga.push(rng)
        if r1 is None or g1 is None:
            out.append(None)
            continue
        r2, g2 = rb.push(r1), gb.push(g1)
        if r2 is None or g2 is None:
            out.append(None)
            continue
        if g2 > 0:
            last = r2 * 100.0 / (g2 * 0.5)
        out.append(last)
    return out


def kase(n, s, data):
    f, g, win, out = Ema(s), Ema(s), [], []
    for (h, l, c, v) in data:
        if not slide(win, (h, l), n):
            out.append(None)
            continue
        hh, ll = max(w[0] for w in win), min(w[1] for w in win)
        raw = (c - ll) * 100.0 / (hh - ll) if ll < hh else 50.0
        fv = f.push(raw)
        sv = None if fv is None else g.push(fv)
        out.append(None if sv is None else (fv, sv))
    return out


def stc(a, b, c, fac, closes):
    f, s = Ema(a), Ema(b)
    w1, w2, pf, pff, out = [], [], None, None, []
    for x in closes:
        fa, sb = f.push(x), s.push(x)
        if fa is None or sb is None:
            out.append(None)
            continue
        m = fa - sb
        if not slide(w1, m, c):
            out.append(None)
            continue
        lo, hi = min(w1), max(w1)
        s1 = (m - lo) * 100.0 / (hi - lo) if lo < hi else 0.0
        pf = s1 if pf is None else pf + fac * (s1 - pf)
        if not slide(w2, pf, c):
            out.append(None)
            continue
        lo2, hi2 = min(w2), max(w2)
        s2 = (pf - lo2) * 100.0 / (hi2 - lo2) if lo2 < hi2 else 0.0
        pff = s2 if pff is None else pff + fac * (s2 - pff)
        out.append(pff)
    return out


def qqe(n, s, k, closes):
    w = 2 * n - 1
    r, ma_stage, d1, d2 = Rsi(n), Ema(s), Ema(w), Ema(w)
    prev, bands, out = None, None, []
    for x in closes:
        rv = r.push(x)
        ma = None if rv is None else ma_stage.push(rv)
        if ma is None:
            out.append(None)
            continue
        p0, prev = prev, ma
        if p0 is None:
            out.append(None)
            continue
        a = d1.push(abs(ma - p0))
        b = None if a is None else d2.push(a)
        if b is None:
            out.append(None)
            continue
        dar = b * k
        lo, up = ma - dar, ma + dar
        if bands is None:
            bands = (lo, up, ma, True)
        else:
            L, S, p, trend = bands
            nl = max(L, lo) if (ma > L and p > L) else lo
            ns = min(S, up) if (ma < S and p < S) else up
            if p <= S and ma > S:
                trend = True
            elif p >= L and ma < L:
                trend = False
            bands = (nl, ns, ma, trend)
        out.append((ma, bands[0] if bands[3] else bands[1]))
    return out


def wave_trend(a, b, c, data):
    esa_s, d_s, w1_s, w2_s = Ema(a), Ema(a), Ema(b), Sma(c)
    out = []
    for (h, l, cl, v) in data:
        ap = ((h + l) + cl) / 3.0
        esa = esa_s.push(ap)
        d = None if esa is None else d_s.push(abs(ap - esa))
        if d is None:
            out.append(None)
            continue
        ci = (ap - esa) / (d * 0.015) if d > max(1.0, abs(esa)) * 16.0 * EPS else 0.0
        w1 = w1_s.push(ci)
        w2 = None if w1 is None else w2_s.push(w1)
        out.append(None if w2 is None else (w1, w2))
    return out


def cpp_rows(cases):
    """Prints the C++ table rows: name, params, then (step, outputs) picks."""
    for name, params, seq in cases:
        first = next(i for i, v in enumerate(seq) if v is not None)
        picks = sorted({first, first + 1, first + 7, len(seq) - 1})
        cells = []
        for i in picks:
            v = seq[i] if isinstance(seq[i], tuple) else (seq[i],)
            cells.append("{%d, {%s}}" % (i, ", ".join(repr(x) for x in v)))
        print('    {"%s", {%s}, %d, {%s}},' % (
            name, ", ".join(str(p) for p in params), first, ", ".join(cells)))


def impulse_text(seq):
    return "".join("." if v is None else "+0-"[1 - int(v)] for v in seq)


if __name__ == "__main__":
    data = bars()
    closes = [b[2] for b in data]
    print("bars:")
    for b in data:
        print("  {%r, %r, %r, %r}," % b)
    cpp_rows([
        ("MacdIndicator", (5, 13, 4), macd(5, 13, 4, closes)),
        ("MacdFix", (9,), macd(12, 26, 9, closes, (0.15, 0.075))),
        ("MacdHistogram", (5, 13, 4), [None if m is None else m[2] for m in macd(5, 13, 4, closes)]),
        ("ZeroLagMacd", (4, 9, 3), zero_lag_macd(4, 9, 3, closes)),
        ("VolumeWeightedMacd", (3, 8, 4), vw_macd(3, 8, 4, data)),
        ("PpoHistogram", (4, 10, 3), ppo_hist(4, 10, 3, closes)),
        ("AwesomeOscillator", (5, 12), ao(5, 12, data)),
        ("AcceleratorOscillator", (3, 8, 4), accelerator(3, 8, 4, data)),
        ("Stochastic", (7, 3), stochastic(7, 3, data)),
        ("WilliamsR", (9,), williams_r(9, data)),
        ("StochasticCci", (6,), stochastic_cci(6, data)),
        ("StochRsi", (6, 5), stoch_rsi(6, 5, closes)),
        ("Smi", (6, 4, 3), smi(6, 4, 3, data)),
        ("KasePermissionStochastic", (7, 3), kase(7, 3, data)),
        ("Stc", (4, 10, 5, 0.5), stc(4, 10, 5, 0.5, closes)),
        ("Qqe", (5, 3, 4.236), qqe(5, 3, 4.236, closes)),
        ("WaveTrend", (5, 6, 3), wave_trend(5, 6, 3, data)),
    ])
    print("ElderImpulse 6 4 10 3:", impulse_text(elder_impulse(6, 4, 10, 3, closes)))
