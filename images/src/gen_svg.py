#!/usr/bin/env python3
"""Writes the SVG sources for all pictures of wolpex, quendra and barvilo.

Run from anywhere:  python3 images/src/gen_svg.py
The SVG files land next to this script; images/render.sh turns them into PNGs.
The buckled shapes of the Knickfall pictures are computed from the exact
Euler eigenfunctions, so change amplitudes/lengths here, not in the SVGs.
"""
import math
import os

HERE = os.path.dirname(os.path.abspath(__file__))

# accent colours per program: (fill, dark outline, light tint)
ACCENT = {
    "wolpex":  ("#2f6fc0", "#1a4178", "#cfe0f5"),
    "quendra": ("#3b9a45", "#1f5e27", "#d3ecd0"),
    "barvilo": ("#e2661b", "#93400c", "#fbdcc4"),
}
INK = "#2b2b2b"
GREY = "#8a8a8a"


def f(v):
    s = "%.2f" % v
    s = s.rstrip("0").rstrip(".")
    return "0" if s in ("-0", "") else s


def svg(w, h, body, vb=None):
    vb = vb or "0 0 %d %d" % (w, h)
    return ('<?xml version="1.0" encoding="UTF-8"?>\n'
            '<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" '
            'viewBox="%s">\n%s</svg>\n' % (w, h, vb, body))


def write(name, text):
    with open(os.path.join(HERE, name), "w") as fh:
        fh.write(text)


def poly(points):
    return "M" + " L".join("%s %s" % (f(x), f(y)) for x, y in points)


# ---------------------------------------------------------------- icons 48

def icon_wolpex():
    a, d, l = ACCENT["wolpex"]
    wave = [(4 + i * 40 / 48.0, 6.5 - 3.5 * math.sin(2 * math.pi * i / 48.0))
            for i in range(49)]
    b = ''
    # shaft
    b += '<rect x="2.5" y="25.5" width="43" height="5" rx="1.5" fill="#b4b4b4" stroke="#5a5a5a"/>\n'
    # three discs seen from the side
    for x, y, w, h in ((6.5, 15.5, 8, 26), (20.5, 12.5, 8, 32), (34.5, 18.5, 7, 20)):
        b += ('<rect x="%s" y="%s" width="%s" height="%s" rx="2" fill="%s" '
              'stroke="%s"/>\n' % (f(x), f(y), f(w), f(h), a, d))
        b += ('<rect x="%s" y="%s" width="2" height="%s" rx="1" fill="%s" '
              'opacity="0.8"/>\n' % (f(x + 1.5), f(y + 2.5), f(h - 5), l))
    # mode shape wave above
    b += ('<path d="%s" fill="none" stroke="#e0501b" stroke-width="2.5" '
          'stroke-linecap="round" stroke-linejoin="round"/>\n' % poly(wave))
    return svg(48, 48, b)


def icon_quendra():
    a, d, l = ACCENT["quendra"]
    ang = math.radians(30)
    length, t = 18.0, 6.0
    u = (math.cos(ang), -math.sin(ang))
    n = (-math.sin(ang), -math.cos(ang))
    p0 = (3.0, 40.0)
    p1 = (p0[0] + length * u[0], p0[1] + length * u[1])
    p2 = (p1[0] + t * n[0], p1[1] + t * n[1])
    p3 = (p0[0] + t * n[0], p0[1] + t * n[1])
    left = [p0, p1, p2, p3]
    right = [(48 - x, y) for x, y in left]
    top = p2[1]
    b = ''
    # base plate
    b += '<rect x="1.5" y="40.5" width="45" height="4" fill="#b4b4b4" stroke="#5a5a5a"/>\n'
    # axis
    b += ('<path d="M24 2 V47" stroke="%s" stroke-width="1" '
          'stroke-dasharray="5 2 1 2"/>\n' % GREY)
    for sec in (left, right):
        b += ('<path d="%s Z" fill="%s" stroke="%s" stroke-width="1.2" '
              'stroke-linejoin="round"/>\n' % (poly(sec), a, d))
    # pressure plate on the inner edges
    b += ('<rect x="%s" y="%s" width="%s" height="3.5" fill="#b4b4b4" '
          'stroke="#5a5a5a"/>\n' % (f(p2[0] - 2.5), f(top - 4), f(48 - 2 * p2[0] + 5)))
    # force arrow
    tip = top - 4.5
    b += ('<path d="M24 2.5 V%s" stroke="%s" stroke-width="2.5"/>\n'
          '<path d="M19 %s L29 %s L24 %s Z" fill="%s"/>\n'
          % (f(tip - 5), INK, f(tip - 7), f(tip - 7), f(tip), INK))
    return svg(48, 48, b)


def icon_barvilo():
    a, d, l = ACCENT["barvilo"]
    x0, yt, yb = 21.0, 14.0, 37.0
    curve = [(x0 + 7.0 * math.sin(math.pi * i / 40.0), yb - (yb - yt) * i / 40.0)
             for i in range(41)]
    b = ''
    # straight axis
    b += ('<path d="M%s %s V%s" stroke="%s" stroke-width="1" '
          'stroke-dasharray="2.5 2"/>\n' % (f(x0), f(yt), f(yb), GREY))
    # buckled column, dark rim + accent core
    b += ('<path d="%s" fill="none" stroke="%s" stroke-width="5" '
          'stroke-linecap="round"/>\n' % (poly(curve), d))
    b += ('<path d="%s" fill="none" stroke="%s" stroke-width="3" '
          'stroke-linecap="round"/>\n' % (poly(curve), a))
    # pin bearing at the bottom
    b += ('<path d="M%s %s L%s 44 L%s 44 Z" fill="#d0d0d0" stroke="%s" '
          'stroke-width="1.3" stroke-linejoin="round"/>\n'
          % (f(x0), f(yb), f(x0 - 7), f(x0 + 7), INK))
    b += '<path d="M%s 44.5 H%s" stroke="%s" stroke-width="2"/>\n' % (f(x0 - 11), f(x0 + 11), INK)
    for i in range(5):
        x = x0 - 8 + i * 4.5
        b += ('<path d="M%s 45.5 L%s 48" stroke="%s" stroke-width="1"/>\n'
              % (f(x), f(x - 2.5), INK))
    for y in (yb, yt):
        b += ('<circle cx="%s" cy="%s" r="2.2" fill="#ffffff" stroke="%s" '
              'stroke-width="1.2"/>\n' % (f(x0), f(y), INK))
    # force arrow
    b += ('<path d="M%s 1 V7" stroke="%s" stroke-width="2.5"/>\n'
          '<path d="M%s 6 L%s 6 L%s 11.5 Z" fill="%s"/>\n'
          % (f(x0), "#c0200f", f(x0 - 4.5), f(x0 + 4.5), f(x0), "#c0200f"))
    return svg(48, 48, b)


# ------------------------------------------------------------- buttons 24

def btn_rechnen(p):
    a, d, l = ACCENT[p]
    b = ('<rect x="4.5" y="2.5" width="15" height="19" rx="2" fill="%s" stroke="%s"/>\n'
         '<rect x="7" y="5" width="10" height="4" fill="%s"/>\n' % (a, d, "#ffffff"))
    for r in range(3):
        for c in range(3):
            b += ('<rect x="%d" y="%d" width="2" height="2" fill="#ffffff"/>\n'
                  % (7 + 4 * c, 11 + 3 * r))
    # highlight the "=" key
    b += '<rect x="15" y="17" width="2" height="2" fill="%s"/>\n' % d
    return svg(24, 24, b)


def btn_speichern(p):
    a, d, l = ACCENT[p]
    b = ('<path d="M3.5 3.5 H17.5 L20.5 6.5 V20.5 H3.5 Z" fill="%s" stroke="%s" '
         'stroke-linejoin="round"/>\n' % (a, d))
    # metal shutter with slot
    b += '<rect x="7" y="4" width="10" height="6" fill="#e6e6e6"/>\n'
    b += '<rect x="13" y="5" width="2" height="4" fill="%s"/>\n' % d
    # label
    b += '<rect x="6" y="13" width="12" height="7" fill="#ffffff"/>\n'
    b += '<path d="M8 15.5 H16 M8 17.5 H14" stroke="%s" stroke-width="1"/>\n' % GREY
    return svg(24, 24, b)


def btn_info(p):
    a, d, l = ACCENT[p]
    b = ('<circle cx="12" cy="12" r="9.5" fill="%s" stroke="%s"/>\n'
         '<circle cx="12" cy="7.2" r="1.7" fill="#ffffff"/>\n'
         '<path d="M9.8 10 H13.2 V16.8 H14.6 V18.5 H9.4 V16.8 H10.8 V11.7 H9.8 Z" '
         'fill="#ffffff"/>\n' % (a, d))
    return svg(24, 24, b)


def btn_ende(p):
    a, d, l = ACCENT[p]
    b = ('<path d="M14.5 8 V3.5 H4.5 V20.5 H14.5 V16" fill="none" stroke="%s" '
         'stroke-width="1.6" stroke-linejoin="round"/>\n' % "#4a4a4a")
    b += ('<path d="M8 12 H16" stroke="%s" stroke-width="3" stroke-linecap="butt"/>\n'
          '<path d="M15 6.5 L21.5 12 L15 17.5 Z" fill="%s" stroke="%s" '
          'stroke-width="0.8" stroke-linejoin="round"/>\n' % (a, a, d))
    return svg(24, 24, b)


def btn_zeichnen_wolpex():
    a, d, l = ACCENT["wolpex"]
    xs = [4.5, 9.5, 14.5, 19.5]
    vals = [1.0, -0.35, -0.9, 0.75]
    pts = [(x, 12 - 7.5 * v) for x, v in zip(xs, vals)]
    b = ''
    for x in xs:
        b += '<path d="M%s 2.5 V21.5" stroke="#a8a8a8" stroke-width="1"/>\n' % f(x)
    b += '<path d="M2 12 H22" stroke="%s" stroke-width="1" stroke-dasharray="2 1.5"/>\n' % GREY
    b += ('<path d="%s" fill="none" stroke="%s" stroke-width="2" '
          'stroke-linejoin="round" stroke-linecap="round"/>\n' % (poly(pts), a))
    for x, y in pts:
        b += '<circle cx="%s" cy="%s" r="1.8" fill="%s"/>\n' % (f(x), f(y), d)
    return svg(24, 24, b)


def btn_zeichnen_quendra():
    a, d, l = ACCENT["quendra"]
    b = '<rect x="3.5" y="3.5" width="17" height="17" fill="#ffffff"/>\n'
    for v in (9.5, 15.5):
        b += ('<path d="M%s 3.5 V20.5 M3.5 %s H20.5" stroke="#bdbdbd" '
              'stroke-width="1"/>\n' % (f(v), f(v)))
    b += ('<path d="M3.5 2 V20.5 H22" fill="none" stroke="%s" stroke-width="1.5"/>\n'
          % INK)
    # degressive force-deflection curve of a disc spring
    pts = []
    for i in range(31):
        s = i / 30.0
        fr = s * (1.7 - 0.7 * s)        # rising, flattening towards the end
        pts.append((3.5 + 16.5 * s, 20.5 - 15.5 * fr))
    b += ('<path d="%s" fill="none" stroke="%s" stroke-width="2" '
          'stroke-linecap="round" stroke-linejoin="round"/>\n' % (poly(pts), a))
    return svg(24, 24, b)


# ------------------------------------------------------ Knickfall 140x200

W, H = 140, 200
X0 = 62.0          # column axis
YT, YB = 50.0, 170.0
L = YB - YT
AMP = 14.0         # largest lateral deflection in px
THIN = 1.0


def shape(case, s):
    """lateral deflection (0..1) at height s (0 bottom .. 1 top)."""
    if case == 1:
        return 1 - math.cos(math.pi * s / 2)
    if case == 2:
        return math.sin(math.pi * s)
    if case == 3:
        kl = 4.493409457909064          # tan(kl) = kl
        w = lambda t: (math.sin(kl * t) - kl * math.cos(kl * t) - kl * t + kl)
        wmax = max(w(i / 2000.0) for i in range(2001))
        return w(s) / wmax
    if case == 4:
        return (1 - math.cos(2 * math.pi * s)) / 2
    raise ValueError(case)


def ypos(s):
    return YB - L * s


def xpos(case, s):
    return X0 + AMP * shape(case, s)


def hatch_h(x1, x2, y, down=True, d=6.0, step=5.0):
    """ground line at y from x1 to x2, hatched below (down) or above."""
    sgn = 1 if down else -1
    b = '<path d="M%s %s H%s" stroke="%s" stroke-width="1.8"/>\n' % (f(x1), f(y), f(x2), INK)
    x = x1 + d
    segs = []
    while x <= x2 + 0.01:
        segs.append("M%s %s L%s %s" % (f(x), f(y + sgn * 1), f(x - d), f(y + sgn * (d + 1))))
        x += step
    b += '<path d="%s" stroke="%s" stroke-width="%s"/>\n' % (" ".join(segs), INK, THIN)
    return b


def hatch_v(x, y1, y2, outward, d=5.0, step=5.0):
    """vertical guide wall at x from y1 to y2, hatched towards outward (-1/+1)."""
    b = '<path d="M%s %s V%s" stroke="%s" stroke-width="1.8"/>\n' % (f(x), f(y1), f(y2), INK)
    y = y1
    segs = []
    while y <= y2 - d + 0.01:
        segs.append("M%s %s L%s %s" % (f(x + outward), f(y + d), f(x + outward * (d + 1)), f(y)))
        y += step
    b += '<path d="%s" stroke="%s" stroke-width="%s"/>\n' % (" ".join(segs), INK, THIN)
    return b


def hinge(x, y):
    return ('<circle cx="%s" cy="%s" r="3" fill="#ffffff" stroke="%s" '
            'stroke-width="1.4"/>\n' % (f(x), f(y), INK))


def force(x, tip):
    b = ('<path d="M%s 8 V%s" stroke="%s" stroke-width="1.6"/>\n'
         '<path d="M%s %s L%s %s L%s %s Z" fill="%s"/>\n'
         % (f(x), f(tip - 8), INK, f(x - 4), f(tip - 10), f(x + 4), f(tip - 10),
            f(x), f(tip), INK))
    b += text(x + 6, 20, "F", italic=True, size=13)
    return b


def text(x, y, s, italic=False, size=12, anchor="start"):
    return ('<text x="%s" y="%s" font-family="DejaVu Serif, Liberation Serif, serif" '
            'font-size="%s"%s text-anchor="%s" fill="%s">%s</text>\n'
            % (f(x), f(y), f(size), ' font-style="italic"' if italic else '',
               anchor, INK, s))


def arrowhead(x, y, up):
    sgn = -1 if up else 1
    return ('<path d="M%s %s L%s %s L%s %s Z" fill="%s"/>\n'
            % (f(x), f(y), f(x - 2.2), f(y - sgn * 7), f(x + 2.2), f(y - sgn * 7), INK))


def dim_v(x, y1, y2):
    """vertical dimension line with arrowheads between y1 (top) and y2."""
    b = '<path d="M%s %s V%s" stroke="%s" stroke-width="0.8"/>\n' % (f(x), f(y1), f(y2), INK)
    b += arrowhead(x, y1, True) + arrowhead(x, y2, False)
    return b


def ext_h(x1, x2, y):
    return ('<path d="M%s %s H%s" stroke="%s" stroke-width="0.6"/>\n'
            % (f(x1), f(y), f(x2), INK))


def sk_label(x, y):
    return (text(x, y, "s", italic=True, size=13)
            + text(x + 6.5, y + 4, "k", italic=True, size=9))


def top_guide(with_block_y):
    """two vertical guide walls around the upper end (it may only move axially)."""
    return hatch_v(X0 - 14, with_block_y - 8, YT + 5, -1) + \
        hatch_v(X0 + 14, with_block_y - 8, YT + 5, 1)


def knickfall(case):
    b = '<rect width="%d" height="%d" fill="#ffffff"/>\n' % (W, H)
    # undeformed axis
    b += ('<path d="M%s %s V%s" stroke="#6a6a6a" stroke-width="0.8" '
          'stroke-dasharray="5 3"/>\n' % (f(X0), f(YT), f(YB)))
    # buckled column
    pts = [(xpos(case, i / 80.0), ypos(i / 80.0)) for i in range(81)]
    b += ('<path d="%s" fill="none" stroke="%s" stroke-width="2.2" '
          'stroke-linejoin="round"/>\n' % (poly(pts), INK))

    # lower support
    if case == 2:
        b += ('<path d="M%s %s L%s %s L%s %s Z" fill="#ffffff" stroke="%s" '
              'stroke-width="1.4" stroke-linejoin="round"/>\n'
              % (f(X0), f(YB), f(X0 - 9), f(YB + 14), f(X0 + 9), f(YB + 14), INK))
        b += hatch_h(X0 - 17, X0 + 17, YB + 14)
        b += hinge(X0, YB)
        low_ext = YB
    else:
        b += hatch_h(X0 - 22, X0 + 22, YB)
        low_ext = YB

    # upper end
    if case == 1:
        tip = YT
        fx = X0 + AMP
    elif case in (2, 3):
        blk = YT - 15           # top of the slider block
        b += top_guide(blk)
        b += ('<path d="M%s %s L%s %s L%s %s Z" fill="#ffffff" stroke="%s" '
              'stroke-width="1.4" stroke-linejoin="round"/>\n'
              % (f(X0), f(YT), f(X0 - 7), f(YT - 10), f(X0 + 7), f(YT - 10), INK))
        b += ('<rect x="%s" y="%s" width="24" height="5" fill="#ffffff" '
              'stroke="%s" stroke-width="1.4"/>\n' % (f(X0 - 12), f(blk), INK))
        b += hinge(X0, YT)
        tip = blk
        fx = X0
    else:
        blk = YT - 8
        b += top_guide(blk)
        b += ('<rect x="%s" y="%s" width="24" height="8" fill="#ffffff" '
              'stroke="%s" stroke-width="1.4"/>\n' % (f(X0 - 12), f(blk), INK))
        b += hatch_h(X0 - 12, X0 + 12, YT, down=False, d=6.0, step=4.0)
        tip = blk
        fx = X0
    b += force(fx, tip)

    # column length l on the left
    xl = 22
    b += ext_h(xl - 4, X0 - 24 if case != 1 else X0 - 4, YT)
    b += ext_h(xl - 4, X0 - 24, YB)
    b += dim_v(xl, YT, YB)
    b += text(xl - 5, (YT + YB) / 2 + 4, "l", italic=True, size=13, anchor="end")

    # buckling length s_k on the right
    xr = 114
    if case == 1:
        b += sk_label(92, 124)
        b += text(106, 124, "=", size=12)
        b += text(118, 124, "2", size=12)
        b += text(125.5, 124, "l", italic=True, size=13)
    else:
        if case == 2:
            s1, s2 = 0.0, 1.0
        elif case == 3:
            kl = 4.493409457909064
            s1, s2 = (kl - math.pi) / kl, 1.0      # inflection ~0.30 l above the clamp
        else:
            s1, s2 = 0.25, 0.75
        y1, y2 = ypos(s2), ypos(s1)
        for s in (s1, s2):
            x = xpos(case, s)
            if case == 2 or (case == 3 and s == 1.0):
                x0e = X0 + 16
            else:
                x0e = x + 4
                b += ('<circle cx="%s" cy="%s" r="2.3" fill="#ffffff" stroke="%s" '
                      'stroke-width="1.2"/>\n' % (f(x), f(ypos(s)), INK))
            b += ext_h(x0e, xr + 4, ypos(s))
        b += dim_v(xr, y1, y2)
        b += sk_label(xr + 4, (y1 + y2) / 2 + 4)
    return svg(W, H, b)


def main():
    write("wolpex.svg", icon_wolpex())
    write("quendra.svg", icon_quendra())
    write("barvilo.svg", icon_barvilo())
    for p in ACCENT:
        write("%s_rechnen.svg" % p, btn_rechnen(p))
        write("%s_speichern.svg" % p, btn_speichern(p))
        write("%s_info.svg" % p, btn_info(p))
        write("%s_ende.svg" % p, btn_ende(p))
    write("wolpex_zeichnen.svg", btn_zeichnen_wolpex())
    write("quendra_zeichnen.svg", btn_zeichnen_quendra())
    for c in range(1, 5):
        write("Knickfall%d.svg" % c, knickfall(c))


if __name__ == "__main__":
    main()
