# Writes the drawing commands (MVG) of the icon and the photograph into WORK, for
# tools/make-resources:   make-resources-drawings.py WORK
import random, sys
w = sys.argv[1]

def save(name, text):
    with open(f"{w}/{name}", "w") as f:
        f.write(text)

# ---- Burger, drawn on a 256x256 canvas and scaled down later. -------------
# Top to bottom: sesame bun, lettuce, patty, cheese, bottom bun.  Drawn
# bottom-up so that upper layers overlap the ones below.  Thick dark outlines
# keep the layers readable after shrinking to 32 and 16 pixels.
burger = """
stroke-linejoin round
stroke '#4a2508' stroke-width 8
fill '#d9892c' roundrectangle 28,182 228,238 26,26
fill '#f0b04e' stroke none roundrectangle 44,192 212,202 5,5
stroke '#8a5a00' stroke-width 7
fill '#ffd21e' path 'M 18,160 L 238,160 L 238,186 L 220,186 L 208,212 L 196,186 L 128,186 L 114,216 L 100,186 L 56,186 L 44,208 L 32,186 L 18,186 Z'
stroke '#2e1405' stroke-width 8
fill '#6e3a1a' roundrectangle 20,128 236,168 18,18
fill '#8c5028' stroke none roundrectangle 34,136 222,144 4,4
stroke '#1d5410' stroke-width 7
fill '#5cc43a' path 'M 10,112 L 246,112 L 246,130 Q 237,144 227,130 Q 217,144 207,130 Q 197,144 187,130 Q 177,144 167,130 Q 157,144 147,130 Q 137,144 127,130 Q 117,144 107,130 Q 97,144 87,130 Q 77,144 67,130 Q 57,144 47,130 Q 37,144 27,130 Q 18,142 10,130 Z'
stroke '#4a2508' stroke-width 8
fill '#df8f2e' path 'M 18,120 C 14,40 72,14 128,14 C 184,14 242,40 238,120 Z'
stroke none
fill '#f3b454' ellipse 100,50 62,24 0,360
fill '#fbd98c' ellipse 84,40 26,10 0,360
"""
# Sesame seeds: (x, y, angle); big enough to survive the 8x reduction.
for x, y, a in [(70, 68, -30), (112, 38, 10), (150, 60, 35), (192, 82, -20),
                (128, 90, 0), (86, 98, 25), (176, 42, 60), (46, 94, -50)]:
    burger += (f"push graphic-context translate {x},{y} rotate {a} "
               f"fill '#fff6d8' stroke '#9a6420' stroke-width 3 "
               f"ellipse 0,0 11,6 0,360 pop graphic-context\n")
save("burger.mvg", burger)

# ---- Bridge, in final 187x150 pixel coordinates; rendered at 4x. ----------
S = 4
deck = 93.0                  # road deck level
water = 100.0                # far shore / horizon line of the bay
towers = (62.0, 126.0)       # tower centre lines
top = 22.0                   # tower tops (cable saddles)
sag = 86.0                   # lowest point of the main cable
anchor_l = (25.0, 81.0)      # cable ends, buried in the headlands
anchor_r = (163.0, 79.0)
red, dark_red = "#c8402c", "#8e2a1d"

def quad(p0, c, p1, t):
    return tuple((1-t)**2*a + 2*(1-t)*t*b + t*t*d for a, b, d in zip(p0, c, p1))

def cable_y(p0, c, p1, x):
    # The curves are quadratic Beziers (true parabolas); solve for t by bisection.
    lo, hi = 0.0, 1.0
    for _ in range(40):
        m = (lo + hi) / 2
        if quad(p0, c, p1, m)[0] < x: lo = m
        else: hi = m
    return quad(p0, c, p1, lo)[1]

t1, t2 = (towers[0], top), (towers[1], top)
main_c = ((towers[0]+towers[1])/2, 2*sag - top)          # vertex at y = sag
side_l_c = ((anchor_l[0]+towers[0])/2 + 6, (anchor_l[1]+top)/2 + 12)
side_r_c = ((anchor_r[0]+towers[1])/2 - 6, (anchor_r[1]+top)/2 + 12)
spans = [(anchor_l, side_l_c, t1), (t1, main_c, t2), (t2, side_r_c, anchor_r)]

b = [f"scale {S},{S}", "stroke-linecap round"]
# Suspenders: thin verticals from the cables down to the deck.
b.append(f"stroke '{dark_red}' stroke-width 0.35 stroke-opacity 0.85 fill none")
for p0, c, p1 in spans:
    x = p0[0] + 3
    while x < p1[0] - 1.5:
        y = cable_y(p0, c, p1, x)
        if deck - y > 1.5:
            b.append(f"line {x:.2f},{y:.2f} {x:.2f},{deck-0.5:.2f}")
        x += 3.2
# Main cables.
b.append(f"stroke '{red}' stroke-width 0.9 stroke-opacity 1 fill none")
# (as short round-capped lines: this ImageMagick strokes the closing chord of
# an open path, and rejects long polylines in a busy drawing)
for p0, c, p1 in spans:
    pts = [quad(p0, c, p1, i / 40) for i in range(41)]
    for (xa, ya), (xb, yb) in zip(pts, pts[1:]):
        b.append(f"line {xa:.2f},{ya:.2f} {xb:.2f},{yb:.2f}")
# Road deck with a darker truss band underneath.
b.append(f"stroke none fill '{dark_red}' rectangle 0,{deck} 187,{deck+3.2}")
b.append(f"fill '{red}' rectangle 0,{deck-0.6} 187,{deck+1.2}")
b.append(f"fill '#e06a48' rectangle 0,{deck-0.6} 187,{deck-0.1}")
# Towers: two tapering legs (seen slightly from the side) tied by portals.
for tx in towers:
    b.append("stroke none")
    for dx, shade in ((-2.6, red), (1.2, "#a8331f")):
        x0 = tx + dx
        b.append(f"fill '{shade}' polygon {x0:.1f},{top-2} {x0+1.5:.1f},{top-2} "
                 f"{x0+1.9:.1f},{water+3} {x0-0.4:.1f},{water+3}")
    b.append(f"fill '#e46a4a' rectangle {tx-2.6:.1f},{top-2} {tx-2.1:.1f},{water+2}")
    for y in (top + 1, 36, 50, 64, 78, deck + 5):
        b.append(f"fill '{dark_red}' rectangle {tx-2.4:.1f},{y:.1f} {tx+2.8:.1f},{y+1.4:.1f}")
    b.append(f"fill '#6d6a66' rectangle {tx-4},{water+2.5} {tx+4.5},{water+5}")
save("bridge.mvg", "\n".join(b) + "\n")

# Distant land across the bay: hazy hills behind the bridge, bluer and
# paler the further away they are.
far = [f"scale {S},{S}", "stroke none",
       "fill '#8fa7b9' path 'M 0,100 L 0,78 C 12,74 24,77 38,76 C 54,75 66,82 84,82 "
       "C 100,82 112,70 130,66 C 146,62 164,60 187,64 L 187,100 Z'",
       "fill '#6f8a84' path 'M 0,100 L 0,86 C 20,83 36,88 56,87 C 76,86 92,90 110,88 "
       "C 126,86 138,78 154,77 C 168,76 178,80 187,80 L 187,100 Z'",
       "fill '#7d929b' path 'M 40,100 L 40,95 C 60,94 90,96 120,95 C 140,94 160,95 187,95 L 187,100 Z'"]
save("far.mvg", "\n".join(far) + "\n")

# Near headlands at both ends of the bridge, drawn in front of it so the deck
# and cables run into the hillsides; the bay stays open in the foreground.
left = "M 0,113 L 0,66 C 9,67 17,73 25,80 C 31,86 36,94 42,101 C 39,106 33,109 24,110 C 15,111 7,111 0,113 Z"
right = "M 187,113 L 187,60 C 178,62 170,68 163,76 C 157,83 151,93 145,101 C 149,106 156,109 165,110 C 174,111 181,111 187,113 Z"
near = [f"scale {S},{S}", "stroke none",
        f"fill '#4d6835' path '{left}'", f"fill '#4f6b36' path '{right}'"]
save("near.mvg", "\n".join(near) + "\n")

# Texture for the headlands (clipped to them later): sunlit grass on the
# upper slopes, dark scrub and trees below, a rocky strip at the waterline.
rng = random.Random(415)
tex = [f"scale {S},{S}", "stroke none",
       "fill '#7a9450' path 'M 0,66 C 9,67 17,73 25,80 C 31,86 34,90 36,93 C 24,86 12,78 0,76 Z'",
       "fill '#7c9652' path 'M 187,60 C 178,62 170,68 163,76 C 159,81 156,86 154,89 C 164,80 176,72 187,70 Z'"]
for _ in range(260):
    x = rng.choice((rng.uniform(0, 44), rng.uniform(143, 187)))
    y = rng.uniform(70, 110)
    r = rng.uniform(0.8, 2.2)
    col = rng.choice(("#2f4520", "#3a5426", "#5d7a3c", "#6f8a48", "#8a8a58"))
    tex.append(f"fill '{col}' fill-opacity {rng.uniform(0.4, 0.9):.2f} "
               f"ellipse {x:.2f},{y:.2f} {r*1.3:.2f},{r:.2f} 0,360")
tex.append("fill '#8f8470' fill-opacity 1 rectangle 0,107 187,114")
for _ in range(60):
    x = rng.choice((rng.uniform(0, 44), rng.uniform(143, 187)))
    y = rng.uniform(105, 112)
    col = rng.choice(("#6b6257", "#a89c86", "#574e44"))
    tex.append(f"fill '{col}' ellipse {x:.2f},{y:.2f} {rng.uniform(0.6, 1.6):.2f},0.7 0,360")
save("landtex.mvg", "\n".join(tex) + "\n")

# Soft clouds (blurred later): clusters of overlapping puffs, flat-bottomed.
clouds = [f"scale {S},{S}", "stroke none fill white"]
for cx, cy, size in [(32, 20, 1.0), (152, 14, 1.2), (104, 40, 0.6), (178, 44, 0.5)]:
    for dx, dy, r in [(-12, 1, 5), (-5, -2, 7), (4, -3, 8), (12, 0, 6), (18, 2, 4), (0, 2, 10)]:
        clouds.append(f"ellipse {cx+dx*size:.1f},{cy+dy*size:.1f} {r*size*1.3:.1f},{r*size*0.6:.1f} 0,360")
save("clouds.mvg", "\n".join(clouds) + "\n")

# Water: short horizontal ripples, smaller and denser towards the horizon,
# plus the bridge's reflection (drawn before the ripples).
rng = random.Random(1937)
wv = [f"scale {S},{S}", f"translate 0,{-water}", "stroke none",
      f"fill '{red}' fill-opacity 0.28"]
for tx in towers:
    wv.append(f"rectangle {tx-2.8},{water+5} {tx+3},{water+26}")
wv.append(f"fill '#0c2236' fill-opacity 0.25 rectangle 42,{water} 146,{water+1.6}")
for _ in range(420):
    y = water + 1 + (rng.random() ** 1.6) * 49
    depth = (y - water) / 50
    length = 2 + depth * 14 * (0.5 + rng.random())
    x = rng.uniform(-5, 190)
    hgt = 0.25 + depth * 0.6
    if rng.random() < 0.55:
        col, op = "#dcebf5", 0.08 + 0.18 * rng.random()
    else:
        col, op = "#0b2740", 0.10 + 0.20 * rng.random()
    wv.append(f"fill '{col}' fill-opacity {op:.2f} "
              f"ellipse {x:.2f},{y:.2f} {length/2:.2f},{hgt/2:.2f} 0,360")
save("water.mvg", "\n".join(wv) + "\n")
