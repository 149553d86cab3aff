"""Renders the program icon at the usual sizes and the version dialog's four animation
frames (a pager sending 0 to 3 waves) with ImageMagick's convert."""
import os
import subprocess
import tempfile

RES = os.path.join(os.path.dirname(__file__), "..")
SIZES = [16, 22, 24, 32, 48, 64, 128, 256]
# Frame order of icon controls 131..134 and the icon resource each shows.
FRAMES = [(120, 0), (114, 1), (115, 2), (117, 3)]


def render(svg_path, size, out_path):
    subprocess.run(["convert", "-background", "none", svg_path, "-resize", f"{size}x{size}",
                    out_path], check=True)


def animation_svg(waves):
    body = open(os.path.join(RES, "icons", "tonalink.svg")).read()
    body = body.split("  <path", 1)[0]
    for r in (24, 48, 72)[:waves]:
        body += (f'  <path d="M184 {72 - r} A{r} {r} 0 0 1 {184 + r} 72" fill="none" '
                 f'stroke="#e04040" stroke-width="12" stroke-linecap="round"/>\n')
    return body + "</svg>\n"


def main():
    for size in SIZES:
        render(os.path.join(RES, "icons", "tonalink.svg"), size,
               os.path.join(RES, "icons", f"tonalink-{size}.png"))
    with tempfile.TemporaryDirectory() as tmp:
        for resource, waves in FRAMES:
            svg = os.path.join(tmp, f"anim-{resource}.svg")
            with open(svg, "w") as f:
                f.write(animation_svg(waves))
            render(svg, 32, os.path.join(RES, "about", f"anim-{resource}.png"))


if __name__ == "__main__":
    main()
