#!/usr/bin/env python3
"""Writes a long pseudo-random replay session: generate-session.py SEED [COMMANDS].

The same seed always gives the same session, so transcripts of it can be compared
between two builds of the program.
"""
import math
import random
import sys

APPS = [("com.google.Chrome", 200, "Search"), ("com.apple.finder", 100, "Documents"),
        ("com.apple.Safari", 210, "News"), ("org.mozilla.firefox", 220, None),
        ("com.apple.TextEdit", 230, "Untitled")]
MENU_ITEMS = [["볼륨 휠 방향 반전"], ["제스처 안내"], ["입력 감지 다시 시작"],
              ["로그인 시 자동 실행"], ["손쉬운 사용 권한 다시 확인"], ["Velmor 설정"]]


def stroke(rng, out):
    x, y = rng.uniform(200, 1200), rng.uniform(150, 800)
    out.append(f"right-down {x:.1f} {y:.1f}")
    shape = rng.random()
    if shape < 0.15:  # circle, either way round
        radius, turn = rng.uniform(40, 120), rng.choice([1, -1])
        for k in range(1, 26):
            a = turn * 2 * math.pi * k / 24
            out.append(f"drag-to {x + radius * math.sin(a):.1f} "
                       f"{y - radius + radius * math.cos(a):.1f} {rng.choice([5, 10])}")
    elif shape < 0.25:  # shake
        for _ in range(rng.randint(4, 8)):
            x += rng.choice([-1, 1]) * rng.uniform(60, 140)
            out.append(f"drag-to {x:.1f} {y + rng.uniform(-10, 10):.1f} 20")
    else:
        for _ in range(rng.randint(0, 5)):
            x += rng.choice([0, 1, -1]) * rng.uniform(20, 250)
            y += rng.choice([0, 1, -1]) * rng.uniform(20, 250)
            out.append(f"drag-to {x:.1f} {y:.1f} {rng.choice([5, 15, 25, 60])}")
            if rng.random() < 0.1:
                out.append(f"wait {rng.choice([0.05, 0.3, 1])}")
    if rng.random() < 0.08:
        out.append("key-down 46")
        out.append("key-up 46")
    if rng.random() < 0.08:
        out.append(f"wheel {rng.choice([-3, -1, 1, 2])}")
    if rng.random() < 0.05:
        out.append("middle-down")
        out.append("middle-up")
    out.append(f"right-up {x:.1f} {y:.1f}")


def command(rng, out):
    roll = rng.random()
    if roll < 0.6:
        stroke(rng, out)
    elif roll < 0.68:
        out.append(f"wait {rng.choice([0.01, 0.1, 0.5, 2, 7, 30, 70])}")
    elif roll < 0.76:
        bundle, pid, title = rng.choice(APPS)
        out.append(f"frontmost {bundle} {pid}" + (f' "{title}"' if title else ""))
    elif roll < 0.8:
        out.append(f"wheel {rng.choice([-2, -1, 1, 3])}")
    elif roll < 0.84:
        out.append("middle-down")
        out.append("middle-up")
    elif roll < 0.88:
        out.append(f"key-{rng.choice(['down', 'up'])} {rng.choice([46, 0, 12])}")
    elif roll < 0.92:
        out.append("alert-answer " + str(rng.choice([1000, 1001])))
        out.append("menu " + " ".join(f'"{t}"' for t in rng.choice(MENU_ITEMS)))
    elif roll < 0.94:
        out.append(f"permission {rng.choice(['on', 'on', 'off'])}")
    elif roll < 0.96:
        out.append("show " + rng.choice(["menu", "log", "defaults VLVolumeWheelReverseDirection"]))
    else:
        out.append("running com.apple.Music 300" + rng.choice(["", " hidden"]))


def main():
    seed = int(sys.argv[1])
    count = int(sys.argv[2]) if len(sys.argv) > 2 else 600
    rng = random.Random(seed)
    out = ["permission on", "running com.apple.Music 300",
           'frontmost com.google.Chrome 200 "Search"', "launch"]
    for _ in range(count):
        command(rng, out)
    out.append("wait 5")
    out.append("show log")
    print("\n".join(out))


main()
