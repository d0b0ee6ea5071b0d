# Independent reference values of the moving-average family, written from the
# definitions (not from the C++ code). Python floats are IEEE doubles and
# math.* calls the same libm, so results should agree to the bit.
# Prints the checkpoint rows of bit_exact_test.cc: python3 reference_values.py
import math, sys
from fractions import Fraction

def fma(a, b, c):
    return float(Fraction(a) * Fraction(b) + Fraction(c))

class EmaStage:
    def __init__(s, n):
        s.n = n; s.alpha = 2 / (n + 1); s.beta = 1 - s.alpha; s.cnt = 0; s.sum = -0.0; s.ema = None
    def push(s, x):
        if s.cnt < s.n:
            s.sum = s.sum + x; s.cnt += 1
            if s.cnt < s.n: return None
            s.ema = s.sum / s.n; return s.ema
        s.ema = fma(s.alpha, x, s.beta * s.ema); return s.ema

class SumWindow:
    def __init__(s, n):
        s.n = n; s.buf = [0.0] * n; s.head = 0; s.count = 0; s.sum = 0.0; s.pushes = 0
    def push(s, x):
        if s.count < s.n:
            s.buf[s.head] = x; s.sum = x + s.sum; s.count += 1
        else:
            old = s.buf[s.head]; s.buf[s.head] = x; s.sum = x + (s.sum - old)
        s.head = (s.head + 1) % s.n
        s.pushes += 1
        if s.pushes >= 16 * s.n:
            t = -0.0
            for i in list(range(s.head, s.n)) + list(range(0, s.head)): t += s.buf[i]
            s.sum = t; s.pushes = 0
        return s.sum / s.n if s.count == s.n else None

class Wma:
    def __init__(s, n):
        s.n = n; s.buf = [0.0] * n; s.head = 0; s.count = 0; s.W = -0.0; s.S = -0.0; s.cyc = 0
        s.D = (n + 1) * n * 0.5
    def exact(s):
        # ring in age order starting at head
        order = [s.buf[(s.head + k) % s.n] for k in range(s.n)]
        w = -0.0
        for k, v in enumerate(order): w += (k + 1) * v
        t = -0.0
        for v in order: t += v
        return w, t
    def push(s, x):
        if s.count < s.n:
            s.buf[s.head] = x; s.S = x + s.S; s.count += 1
            if s.count == s.n:
                s.head = (s.head + 1) % s.n  # temporarily to compute age order
                s.W, _ = s.exact(); s.head = (s.head - 1) % s.n
        else:
            v = s.buf[s.head]; s.buf[s.head] = x
            s.W = (s.W - s.S) + x * s.n
            s.S = x + (s.S - v)
        s.head += 1
        if s.head == s.n:
            s.head = 0; s.cyc += 1
            if s.cyc >= 16:
                s.W, s.S = s.exact(); s.cyc = 0
        return s.W / s.D if s.count == s.n else None

def fin(x):
    return x is not None and math.isfinite(x)

def run_stage(stage, xs):
    return [stage.push(x) for x in xs]

def dema(n, xs, v=1.0, general=False):
    e1, e2 = EmaStage(n), EmaStage(n); out = []
    for x in xs:
        a = e1.push(x); b = e2.push(a) if fin(a) else None
        if b is None: out.append(None); continue
        out.append(a * (v + 1) - b * v if general else a * 2 - b)
    return out

def tema(n, xs):
    e = [EmaStage(n) for _ in range(3)]; out = []
    for x in xs:
        a = e[0].push(x); b = e[1].push(a) if fin(a) else None; c = e[2].push(b) if fin(b) else None
        out.append(None if c is None else (a * 3 - b * 3) + c)
    return out

def t3(n, v, xs):
    w = v * v; u = v * w
    c1 = -u; c2 = w * 3 + u * 3; c3 = w * (-6) - v * 3 - u * 3; c4 = w * 3 + (v * 3 + 1 + u)
    st = [EmaStage(n) for _ in range(6)]; out = []
    for x in xs:
        e = []; cur = x
        for s in st:
            cur = s.push(cur) if fin(cur) else None
            if cur is None: break
            e.append(cur)
        out.append(None if len(e) < 6 else ((e[5] * c1 + e[4] * c2) + e[3] * c3) + e[2] * c4)
    return out

def trima(n, xs):
    a, b = SumWindow(n - n // 2), SumWindow(n // 2 + 1); out = []
    for x in xs:
        m = a.push(x); out.append(b.push(m) if m is not None else None)
    return out

def zlema(n, xs):
    L = (n - 1) // 2; lag = []; e = EmaStage(n); out = []
    for x in xs:
        lag.append(x)
        if len(lag) > L + 1: lag.pop(0)
        if len(lag) < L + 1: out.append(None); continue
        adj = fma(x, 2.0, -lag[0])
        out.append(e.push(adj))
    return out

def hull_len(n):
    h = n // 2 if n > 3 else 1
    r = math.floor(math.sqrt(n) + 0.5)
    s = 1 if r < 2 else int(r)
    return h, n, s

def hull(n, xs, kind):
    h, f, s = hull_len(n)
    A, B, C = (kind(h), kind(f), kind(s)); out = []
    for x in xs:
        a = A.push(x); b = B.push(x)
        if a is None or b is None: out.append(None); continue
        raw = (a + a) - b
        out.append(C.push(raw) if math.isfinite(raw) else None)
    return out

def alma(n, off, sig, xs):
    m = off * (n - 1); d = (n / sig) * ((n / sig) * 2)
    w = [math.exp(-((k - m) * (k - m)) / d) for k in range(n)]
    t = -0.0
    for q in w: t += q
    w = [q / t for q in w]
    win = []; out = []
    for x in xs:
        win.append(x)
        if len(win) > n: win.pop(0)
        if len(win) < n: out.append(None); continue
        s = 0.0
        for k in range(n): s += w[k] * win[k]
        out.append(s)
    return out

def sine(n, xs):
    w = [math.sin((k + 1) * math.pi / (n + 1)) for k in range(n)]
    S = -0.0
    for q in w: S += q
    win = []; out = []
    for x in xs:
        win.append(x)
        if len(win) > n: win.pop(0)
        if len(win) < n: out.append(None); continue
        s = -0.0
        for k in range(n): s += win[k] * w[k]
        out.append(s / S)
    return out

def vwma(n, bars):
    win = []; pv = -0.0; vs = -0.0; cs = -0.0; pushes = 0; out = []
    for c, v in bars:
        if len(win) == n:
            oc, ov = win.pop(0); pv = pv - oc * ov; vs = vs - ov; cs = cs - oc
        win.append((c, v)); pv = c * v + pv; vs = v + vs; cs = c + cs
        pushes += 1
        if pushes >= n:
            pushes = 0; a = -0.0; b = -0.0; d = -0.0
            for qc, qv in win: a += qc * qv; b += qv; d += qc
            pv, vs, cs = a, b, d
        if len(win) < n: out.append(None); continue
        out.append(pv / vs if vs > 0 else cs / n)
    return out

def evwma(n, bars):
    win = []; V = -0.0; prev = None; out = []
    for c, v in bars:
        if len(win) == n: V = V - win.pop(0)
        win.append(v); V = v + V
        if len(win) < n: out.append(None); continue
        if V > 0:
            base = prev if prev is not None else c
            prev = (c * v + (V - v) * base) / V
        elif prev is None:
            prev = c
        out.append(prev)
    return out

def mcginley(n, xs):
    cnt = 0; s = -0.0; p = None; out = []
    for x in xs:
        if cnt < n:
            s = s + x; cnt += 1
            if cnt < n: out.append(None); continue
            p = s / n; out.append(p); continue
        if x > 0 and p > 0:
            r = x / p; p = p + (x - p) / (((r * r) * (r * r)) * (n * 0.6))
        out.append(p)
    return out

def kama(n, f, sl, xs):
    win = []; prev = None; fast = 2 / (f + 1); slow = 2 / (sl + 1); out = []
    for x in xs:
        win.append(x)
        if len(win) > n + 1: win.pop(0)
        if len(win) < n + 1: out.append(None); continue
        change = abs(x - win[0]); vol = -0.0
        for i in range(1, n + 1): vol += abs(win[i] - win[i - 1])
        er = 0.0 if vol == 0 else change / vol
        sc = slow + er * (fast - slow)
        p = prev if prev is not None else win[0]
        prev = p + (sc * sc) * (x - p); out.append(prev)
    return out

def vidya(n, m, xs):
    alpha = 2 / (n + 1); prevx = None; win = []; SU = -0.0; SD = -0.0; val = None; out = []
    for x in xs:
        if prevx is None: prevx = x; out.append(None); continue
        up = max(x - prevx, 0.0); dn = max(prevx - x, 0.0); prevx = x
        if len(win) == m:
            ou, od = win.pop(0); SU = SU - ou; SD = SD - od
        win.append((up, dn)); SU = up + SU; SD = dn + SD
        if len(win) < m: out.append(None); continue
        tot = SU + SD
        cmo = 0.0 if tot == 0 else (SU - SD) * 100 / tot
        k = (abs(cmo) / 100) * alpha
        base = val if val is not None else x
        val = x * k + (1 - k) * base; out.append(val)
    return out

def frama(n, xs):
    h = n // 2; win = []; val = None; out = []
    for x in xs:
        win.append(x)
        if len(win) > n: win.pop(0)
        if len(win) < n: out.append(None); continue
        n3 = (max(win) - min(win)) / n
        n1 = (max(win[:h]) - min(win[:h])) / h
        n2 = (max(win[h:]) - min(win[h:])) / h
        if n3 > 0 and n2 > 0 and n1 > 0:
            dim = (math.log(n2 + n1) - math.log(n3)) / 0.6931471805599453
            a = min(max(math.exp((dim - 1) * (-4.6)), 0.01), 1.0)
        else:
            a = 0.01
        base = val if val is not None else x
        val = x * a + (1 - a) * base; out.append(val)
    return out

def holt(alpha, beta, xs):
    out = []; first = None; lvl = tr = None
    for x in xs:
        if first is None: first = x; out.append(None); continue
        if lvl is None: lvl = x; tr = x - first; out.append(lvl + tr); continue
        l2 = x * alpha + (lvl + tr) * (1 - alpha)
        tr = tr * (1 - beta) + beta * (l2 - lvl); lvl = l2; out.append(lvl + tr)
    return out

def jma(n, phase, power, xs):
    b = 0.45 * (n - 1) / (0.45 * (n - 1) + 2)
    a = 1.0; base = b; p = power
    while p:
        if p & 1: a *= base
        base *= base; p >>= 1
    r = min(max(phase / 100 + 1.5, 0.5), 2.5)
    out = []; e0 = None
    for x in xs:
        if e0 is None: e0 = x; e1 = e2 = 0.0; j = x; out.append(j); continue
        e0 = x * (1 - a) + a * e0
        e1 = (x - e0) * (1 - b) + b * e1
        e2 = (a * a) * e2 + (1 - a) * ((1 - a) * (e0 + r * e1 - j))
        j = j + e2; out.append(j)
    return out

def supersmoother(n, xs):
    s = 4.442882938158366 / n; a = math.exp(-s); c2 = (a + a) * math.cos(s); c3 = -(a * a); c1 = (1 - c2) - c3
    out = []; f1 = f2 = 0.0; pc = None; cnt = 0
    for x in xs:
        if cnt < 2: o = x; cnt += 1
        else: o = c1 * ((x + pc) * 0.5) + c2 * f1 + c3 * f2
        f2 = f1; f1 = o; pc = x; out.append(o)
    return out

def smma(n, xs):
    cnt = 0; s = -0.0; v = None; out = []
    for x in xs:
        if cnt < n:
            s = s + x; cnt += 1
            if cnt < n: out.append(None); continue
            v = s / n; out.append(v); continue
        v = (x + v * float(n - 1)) / n; out.append(v)
    return out

def mesa(fl, sl, xs):
    price = []; sm = []; det = []; q1h = []; i1h = []
    I2 = Q2 = Re = Im = period = phase = mama = fama = 0.0; cnt = 0; out = []
    def push(h, v):
        h.insert(0, v)
        if len(h) > 7: h.pop()
    filt = lambda h: h[0] * 0.0962 + h[2] * 0.5769 - h[4] * 0.5769 - h[6] * 0.0962
    eps = 2.220446049250313e-16
    for x in xs:
        cnt += 1
        price.insert(0, x)
        if len(price) > 4: price.pop()
        if len(price) < 4: out.append(None); continue
        smooth = (x * 4 + price[1] * 3 + price[2] * 2 + price[3]) / 10
        push(sm, smooth)
        if len(sm) < 7: mama = fama = smooth; out.append(None); continue
        k = min(max(period, 6), 50) * 0.075 + 0.54
        push(det, k * filt(sm))
        if len(det) < 7: out.append(None); continue
        Q1 = k * filt(det); I1 = det[3]
        push(q1h, Q1); push(i1h, I1)
        if len(q1h) < 7: out.append(None); continue
        jI = k * filt(i1h); jQ = k * filt(q1h)
        i2 = I1 - jQ; q2 = Q1 + jI
        i2s = 0.2 * i2 + 0.8 * I2; q2s = 0.2 * q2 + 0.8 * Q2
        re = i2s * I2 + q2s * Q2; im = i2s * Q2 - q2s * I2
        I2, Q2 = i2s, q2s
        Re = 0.2 * re + 0.8 * Re; Im = 0.2 * im + 0.8 * Im
        cand = period
        if abs(Im) > eps and abs(Re) > eps: cand = 6.283185307179586 / math.atan2(Im, Re)
        cand = min(cand, 1.5 * period); cand = max(cand, 0.67 * period); cand = min(max(cand, 6), 50)
        period = period * 0.8 + cand * 0.2
        ph = phase
        if abs(I1) > eps: ph = math.atan(Q1 / I1) * 57.29577951308232
        delta = max(phase - ph, 1.0); phase = ph
        alpha = max(fl / delta, sl)
        mama = x * alpha + mama * (1 - alpha)
        fama = fama * (1 - alpha * 0.5) + alpha * 0.5 * mama
        out.append((mama, fama) if cnt >= 33 else None)
    return out


def geometric(n, xs):
    win = []; s = -0.0; pushes = 0; out = []
    for x in xs:
        if not (x > 0): out.append(None); continue
        lx = math.log(x)
        if len(win) == n: s = s - win.pop(0)
        win.append(lx); s = s + lx; pushes += 1
        if pushes >= n:
            pushes = 0; t = -0.0
            for v in win: t += v
            s = t
        out.append(math.exp(s / n) if len(win) == n else None)
    return out

xs = [round(100 + 7 * math.sin(i * 0.7) + 0.37 * i, 2) for i in range(60)]
vs = [0.0 if i % 11 == 5 else round(500 + 400 * math.cos(i * 1.3), 1) for i in range(60)]
bars = list(zip(xs, vs))
cases = [
 ("Sma", [3], run_stage(SumWindow(3), xs)),
 ("Ema", [5], run_stage(EmaStage(5), xs)),
 ("Smma", [5], smma(5, xs)),
 ("Wma", [3], run_stage(Wma(3), xs)),
 ("Dema", [4], dema(4, xs)),
 ("Tema", [4], tema(4, xs)),
 ("GeneralizedDema", [4, 0.7], dema(4, xs, 0.7, True)),
 ("T3", [3, 0.7], t3(3, 0.7, xs)),
 ("Trima", [6], trima(6, xs)),
 ("Zlema", [6], zlema(6, xs)),
 ("Hma", [9], hull(9, xs, Wma)),
 ("Ehma", [9], hull(9, xs, EmaStage)),
 ("Alma", [9, 0.85, 6], alma(9, 0.85, 6, xs)),
 ("SineWeightedMa", [7], sine(7, xs)),
 ("McGinleyDynamic", [6], mcginley(6, xs)),
 ("Kama", [10, 2, 30], kama(10, 2, 30, xs)),
 ("Vidya", [9, 5], vidya(9, 5, xs)),
 ("Frama", [10], frama(10, xs)),
 ("HoltWinters", [0.3, 0.2], holt(0.3, 0.2, xs)),
 ("Jma", [7, 50, 2], jma(7, 50, 2, xs)),
 ("SuperSmoother", [10], supersmoother(10, xs)),
 ("Mama", [0.5, 0.05], [None if v is None else v[0] for v in mesa(0.5, 0.05, xs)]),
 ("Fama", [0.5, 0.05], [None if v is None else v[1] for v in mesa(0.5, 0.05, xs)]),
 ("GeometricMa", [5], geometric(5, xs)),
 ("Vwma", [4], vwma(4, bars)),
 ("Evwma", [4], evwma(4, bars)),
]
print("closes", ", ".join(repr(x) for x in xs))
print("vols", ", ".join(repr(v) for v in vs))
for name, p, out in cases:
    print(f'    {{"{name}", {{{", ".join(repr(float(q)) if isinstance(q, float) else str(q) for q in p)}}}, {out[47]!r}, {out[59]!r}}},')
