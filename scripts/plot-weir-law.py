#!/usr/bin/python3
"""Plots TARVIK's weir law against the ISO 1438 (Kindsvater-Shen) equation for a 90-degree
V-notch, for heads of 20 to 380 mm, into docs/weir-law.png, and prints the table of
docs/weir-law.md. Needs Debian's python3-matplotlib.

Usage: scripts/plot-weir-law.py [PNG]
"""
import math
import sys
from pathlib import Path

GRAVITY = 9.81  # m/s², the value ISO 1438 takes unless the local one is known
CE = 0.578  # effective discharge coefficient of a 90-degree notch
KH = 0.00085  # m, the head correction of a 90-degree notch
NOTCH = math.radians(90.0)


def tarvik_flow(head):
    """The flow TARVIK's law gives at a head in metres, in m³/s (the program works in m³/min,
    60 times this)."""
    return (1.334 + 0.0205 / math.sqrt(head)) * head**2.5


def iso_flow(head):
    """The Kindsvater-Shen flow at a head in metres, in m³/s."""
    return CE * 8.0 / 15.0 * math.tan(NOTCH / 2.0) * math.sqrt(2.0 * GRAVITY) * (head + KH) ** 2.5


def relative_difference(head):
    """How far TARVIK's flow lies from the Kindsvater-Shen flow, as a fraction of the latter."""
    return tarvik_flow(head) / iso_flow(head) - 1.0


def print_table():
    print("| head (mm) | TARVIK (L/min) | ISO 1438 (L/min) | difference |")
    print("| ---: | ---: | ---: | ---: |")
    for millimetres in (20, 30, 40, 50, 75, 100, 150, 200, 250, 300, 380):
        head = millimetres / 1000.0
        print(f"| {millimetres} | {tarvik_flow(head) * 60000:,.1f} | {iso_flow(head) * 60000:,.1f} "
              f"| {relative_difference(head) * 100:+.2f} % |")


def plot(path):
    import matplotlib

    matplotlib.use("Agg")
    import matplotlib.pyplot as plt

    millimetres = [20 + i * 0.5 for i in range(int((380 - 20) / 0.5) + 1)]
    heads = [mm / 1000.0 for mm in millimetres]
    figure, (flows, differences) = plt.subplots(
        2, 1, figsize=(7, 7), sharex=True, gridspec_kw={"height_ratios": [3, 2]})
    flows.plot(millimetres, [tarvik_flow(h) * 60000 for h in heads],
               label="TARVIK: 60 (1.334 + 0.0205/√h) h^2.5 m³/min")
    flows.plot(millimetres, [iso_flow(h) * 60000 for h in heads], "--",
               label="ISO 1438 Kindsvater–Shen, Ce = 0.578, kh = 0.85 mm")
    flows.set_ylabel("flow (L/min)")
    flows.set_title("90° V-notch weir: flow against head")
    flows.grid(True, alpha=0.3)
    flows.legend()
    differences.plot(millimetres, [relative_difference(h) * 100 for h in heads], color="C2")
    differences.axhline(0.0, color="black", linewidth=0.8)
    for bound in (-0.5, 0.5):
        differences.axhline(bound, color="grey", linewidth=0.8, linestyle=":")
    differences.axvline(50.0, color="C3", linewidth=0.8, linestyle="--")
    differences.text(52.0, -2.2, "50 mm: the window's note", color="C3")
    differences.set_xlabel("head h (mm)")
    differences.set_ylabel("TARVIK / ISO − 1 (%)")
    differences.grid(True, alpha=0.3)
    figure.tight_layout()
    # No software version in the file, so the same plot gives the same bytes.
    figure.savefig(path, dpi=100, metadata={"Software": None})
    print(f"wrote {path}")


def main():
    path = Path(sys.argv[1]) if len(sys.argv) > 1 else Path(__file__).resolve().parent.parent / "docs" / "weir-law.png"
    print_table()
    plot(path)


if __name__ == "__main__":
    main()
