// vrex_pixelart: turns the artwork sources into the bitmaps and the icon file
// that the program's resource script binds in.
//
//   vrex_pixelart [--contact-sheet] <source folder> <output folder>
//
// Every *.px file of the source folder is read (format: pixelart_parse.h) and
// each of its pictures is written as a 24-bit BMP, each icon as an .ico.  The
// large pictures, the about box logo and the two 250x8 tiles, are drawn here in
// code.  With --contact-sheet, contact_sheet.bmp shows everything at 4x.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "pixelart_parse.h"

namespace fs = std::filesystem;

namespace vrex::pixelart {
namespace {

// ---------------------------------------------------------------------------
// File formats

void Put16(std::string& out, std::uint32_t v) {
  out.push_back(static_cast<char>(v & 0xff));
  out.push_back(static_cast<char>((v >> 8) & 0xff));
}
void Put32(std::string& out, std::uint32_t v) {
  Put16(out, v & 0xffff);
  Put16(out, v >> 16);
}

// BITMAPINFOHEADER of a bottom-up 24-bit picture; height_factor 2 for icons,
// whose header counts the colour rows and the mask rows together.
void PutInfoHeader(std::string& out, const Image& image, int height_factor, std::uint32_t data_size) {
  Put32(out, 40);
  Put32(out, static_cast<std::uint32_t>(image.width));
  Put32(out, static_cast<std::uint32_t>(image.height * height_factor));
  Put16(out, 1);   // planes
  Put16(out, 24);  // bits per pixel
  Put32(out, 0);   // BI_RGB
  Put32(out, data_size);
  Put32(out, 2835);  // 72 dpi
  Put32(out, 2835);
  Put32(out, 0);
  Put32(out, 0);
}

std::uint32_t RowBytes24(int width) { return (static_cast<std::uint32_t>(width) * 3 + 3) & ~3u; }
std::uint32_t RowBytesMask(int width) { return ((static_cast<std::uint32_t>(width) + 31) / 32) * 4; }

void PutPixels(std::string& out, const Image& image, bool key_to_black) {
  const std::uint32_t row_bytes = RowBytes24(image.width);
  for (int y = image.height - 1; y >= 0; --y) {
    std::uint32_t written = 0;
    for (int x = 0; x < image.width; ++x) {
      Rgb c = image.at(x, y);
      if (key_to_black && c == kKeyColour) c = Rgb{};
      out.push_back(static_cast<char>(c.b));
      out.push_back(static_cast<char>(c.g));
      out.push_back(static_cast<char>(c.r));
      written += 3;
    }
    out.append(row_bytes - written, '\0');
  }
}

std::string EncodeBmp(const Image& image) {
  const std::uint32_t data_size = RowBytes24(image.width) * static_cast<std::uint32_t>(image.height);
  std::string out;
  out += "BM";
  Put32(out, 14 + 40 + data_size);
  Put32(out, 0);
  Put32(out, 14 + 40);
  PutInfoHeader(out, image, 1, data_size);
  PutPixels(out, image, false);
  return out;
}

// An icon of 24-bit images; key-coloured pixels become transparent through
// the AND mask (and black in the colour image, as the mask requires).
std::string EncodeIco(const std::vector<const Image*>& images) {
  std::vector<std::string> bodies;
  for (const Image* image : images) {
    const std::uint32_t xor_size = RowBytes24(image->width) * static_cast<std::uint32_t>(image->height);
    const std::uint32_t and_size = RowBytesMask(image->width) * static_cast<std::uint32_t>(image->height);
    std::string body;
    PutInfoHeader(body, *image, 2, xor_size + and_size);
    PutPixels(body, *image, true);
    for (int y = image->height - 1; y >= 0; --y) {
      std::string row(RowBytesMask(image->width), '\0');
      for (int x = 0; x < image->width; ++x) {
        if (image->at(x, y) == kKeyColour) row[x / 8] = static_cast<char>(row[x / 8] | (0x80 >> (x % 8)));
      }
      body += row;
    }
    bodies.push_back(std::move(body));
  }
  std::string out;
  Put16(out, 0);
  Put16(out, 1);  // icon
  Put16(out, static_cast<std::uint32_t>(images.size()));
  std::uint32_t offset = 6 + 16 * static_cast<std::uint32_t>(images.size());
  for (size_t i = 0; i < images.size(); ++i) {
    out.push_back(static_cast<char>(images[i]->width & 0xff));  // 256 is written as 0
    out.push_back(static_cast<char>(images[i]->height & 0xff));
    out.push_back(0);  // colour count: not palettised
    out.push_back(0);
    Put16(out, 1);
    Put16(out, 24);
    Put32(out, static_cast<std::uint32_t>(bodies[i].size()));
    Put32(out, offset);
    offset += static_cast<std::uint32_t>(bodies[i].size());
  }
  for (const std::string& body : bodies) out += body;
  return out;
}

void WriteFile(const fs::path& path, const std::string& data) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(data.data(), static_cast<std::streamsize>(data.size()));
  out.close();
  if (!out) throw std::runtime_error("cannot write " + path.string());
}

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path.string());
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// ---------------------------------------------------------------------------
// Drawing: shapes are tested at 4x4 points per pixel, so edges come out smooth.

struct Colour {
  double r = 0, g = 0, b = 0;
};

Colour Mix(Colour a, Colour b, double t) {
  t = std::clamp(t, 0.0, 1.0);
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}
Colour Scale(Colour c, double f) { return {c.r * f, c.g * f, c.b * f}; }

struct Paint {
  Colour colour;
  double alpha = 1.0;
  Paint(Colour c, double a = 1.0) : colour(c), alpha(a) {}  // NOLINT: a colour is an opaque paint
};

using Shape = std::function<bool(double, double)>;
using Shader = std::function<Paint(double, double)>;

class Canvas {
 public:
  Canvas(int width, int height) : width_(width), height_(height), pixels_(static_cast<size_t>(width) * height) {}

  // Paints every pixel of the box [x0,x1)x[y0,y1) that the shape covers,
  // weighted by how much of the pixel it covers.
  void Fill(double x0, double y0, double x1, double y1, const Shape& inside, const Shader& shade,
            double opacity = 1.0) {
    const int ix0 = std::max(0, static_cast<int>(std::floor(x0)));
    const int iy0 = std::max(0, static_cast<int>(std::floor(y0)));
    const int ix1 = std::min(width_, static_cast<int>(std::ceil(x1)));
    const int iy1 = std::min(height_, static_cast<int>(std::ceil(y1)));
    for (int y = iy0; y < iy1; ++y) {
      for (int x = ix0; x < ix1; ++x) {
        int covered = 0;
        for (int sy = 0; sy < 4; ++sy) {
          for (int sx = 0; sx < 4; ++sx) covered += inside(x + (sx + 0.5) / 4, y + (sy + 0.5) / 4) ? 1 : 0;
        }
        if (covered == 0) continue;
        const Paint paint = shade(x + 0.5, y + 0.5);
        Blend(x, y, paint.colour, paint.alpha * opacity * covered / 16.0);
      }
    }
  }
  void Fill(const Shape& inside, const Shader& shade, double opacity = 1.0) {
    Fill(0, 0, width_, height_, inside, shade, opacity);
  }

  Image ToImage() const {
    Image image(width_, height_);
    for (size_t i = 0; i < pixels_.size(); ++i) {
      auto channel = [](double v) { return static_cast<std::uint8_t>(std::lround(std::clamp(v, 0.0, 255.0))); };
      image.pixels[i] = Rgb{channel(pixels_[i].r), channel(pixels_[i].g), channel(pixels_[i].b)};
    }
    return image;
  }

 private:
  void Blend(int x, int y, Colour c, double alpha) {
    Colour& p = pixels_[static_cast<size_t>(y) * width_ + x];
    p = Mix(p, c, alpha);
  }

  int width_, height_;
  std::vector<Colour> pixels_;
};

Shape Everywhere() {
  return [](double, double) { return true; };
}
Shape Disc(double cx, double cy, double r) {
  return [=](double x, double y) { return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= r * r; };
}
Shape Ring(double cx, double cy, double r_in, double r_out) {
  return [=](double x, double y) {
    const double d2 = (x - cx) * (x - cx) + (y - cy) * (y - cy);
    return d2 >= r_in * r_in && d2 <= r_out * r_out;
  };
}
Shape RoundBox(double x0, double y0, double x1, double y1, double radius) {
  return [=](double x, double y) {
    if (x < x0 || x > x1 || y < y0 || y > y1) return false;
    const double dx = std::max({x0 + radius - x, 0.0, x - (x1 - radius)});
    const double dy = std::max({y0 + radius - y, 0.0, y - (y1 - radius)});
    return dx * dx + dy * dy <= radius * radius;
  };
}
Shape Segment(double ax, double ay, double bx, double by, double half_width) {
  return [=](double x, double y) {
    const double vx = bx - ax, vy = by - ay;
    const double t = std::clamp(((x - ax) * vx + (y - ay) * vy) / (vx * vx + vy * vy), 0.0, 1.0);
    const double dx = x - (ax + t * vx), dy = y - (ay + t * vy);
    return dx * dx + dy * dy <= half_width * half_width;
  };
}
Shader Solid(Colour c, double alpha = 1.0) {
  return [=](double, double) { return Paint(c, alpha); };
}
// Top-to-bottom gradient between y0 and y1.
Shader Vertical(double y0, Colour top, double y1, Colour bottom) {
  return [=](double, double y) { return Paint(Mix(top, bottom, (y - y0) / (y1 - y0))); };
}

constexpr double kPi = 3.14159265358979323846;

// ---------------------------------------------------------------------------
// The about box logo: a lit globe in an orbit ring, wired to four computers.

struct Globe {
  double cx = 100, cy = 86, r = 50;
};

// Land masses as ellipses in longitude/latitude degrees.
bool IsLand(double lon, double lat) {
  struct Blob {
    double lon, lat, rlon, rlat;
  };
  static const Blob kBlobs[] = {
      {-100, 48, 30, 16}, {-82, 30, 12, 10}, {-95, 18, 7, 8},  {-62, -8, 15, 16}, {-66, -32, 8, 14}, {-42, 70, 12, 8},
      {12, 50, 16, 9},    {28, 60, 20, 9},   {18, 12, 22, 16}, {26, -12, 13, 14}, {24, -28, 8, 7},   {46, -20, 3, 6},
      {45, 25, 9, 8},     {90, 50, 48, 17},  {100, 22, 14, 9}, {78, 18, 7, 9},    {134, -25, 15, 9}, {140, 37, 4, 6},
  };
  for (const Blob& b : kBlobs) {
    double dlon = std::remainder(lon - b.lon, 360.0);
    const double u = dlon / b.rlon, v = (lat - b.lat) / b.rlat;
    if (u * u + v * v <= 1.0) return true;
  }
  return false;
}

struct SpherePoint {
  double nx, ny, nz, lon, lat;
};

SpherePoint OnSphere(const Globe& g, double x, double y) {
  const double nx = (x - g.cx) / g.r, ny = (y - g.cy) / g.r;
  const double nz = std::sqrt(std::max(0.0, 1.0 - nx * nx - ny * ny));
  // Tilt the axis a little towards the viewer and turn Europe and Africa to the front.
  const double tilt = 0.35;
  const double y2 = ny * std::cos(tilt) - nz * std::sin(tilt);
  const double z2 = ny * std::sin(tilt) + nz * std::cos(tilt);
  const double lon = std::atan2(nx, z2) * 180 / kPi - 5;
  const double lat = -std::asin(std::clamp(y2, -1.0, 1.0)) * 180 / kPi;
  return {nx, ny, nz, lon, lat};
}

// Lit sea or land colour of the globe's surface at (x, y).
Paint GlobeShade(const Globe& g, double x, double y, bool land) {
  const SpherePoint p = OnSphere(g, x, y);
  const double lx = -0.5, ly = -0.6, lz = 0.62;
  const double diffuse = std::max(0.0, p.nx * lx + p.ny * ly + p.nz * lz);
  const double light = 0.32 + 0.78 * diffuse;
  const Colour c = Scale(land ? Colour{70, 168, 72} : Colour{34, 96, 206}, light);
  // Specular highlight for a glassy look.
  const double hx = lx, hy = ly, hz = lz + 1.0, hn = std::sqrt(hx * hx + hy * hy + hz * hz);
  const double spec = std::pow(std::max(0.0, (p.nx * hx + p.ny * hy + p.nz * hz) / hn), 40);
  return Mix(c, {255, 255, 255}, spec * 0.8);
}

bool OnGraticule(const Globe& g, double x, double y) {
  const SpherePoint p = OnSphere(g, x, y);
  const double lat_step = std::remainder(p.lat, 30.0);
  const double lon_step = std::remainder(p.lon, 30.0) * std::cos(p.lat * kPi / 180);
  return std::abs(lat_step) < 0.9 || (std::abs(lon_step) < 0.9 && std::abs(p.lat) < 80);
}

// The orbit: an ellipse turned by `angle`; front or back half.
Shape OrbitBand(const Globe& g, double a, double b, double angle, double half_width, bool front) {
  return [=](double x, double y) {
    const double dx = x - g.cx, dy = y - g.cy;
    const double u = dx * std::cos(angle) + dy * std::sin(angle);
    const double v = -dx * std::sin(angle) + dy * std::cos(angle);
    if ((v > 0) != front) return false;
    const double f = u * u / (a * a) + v * v / (b * b) - 1;
    const double gu = 2 * u / (a * a), gv = 2 * v / (b * b);
    return std::abs(f) / std::sqrt(gu * gu + gv * gv) <= half_width;
  };
}

void OrbitPoint(const Globe& g, double a, double b, double angle, double t, double& x, double& y) {
  const double u = a * std::cos(t), v = b * std::sin(t);
  x = g.cx + u * std::cos(angle) - v * std::sin(angle);
  y = g.cy + u * std::sin(angle) + v * std::cos(angle);
}

void DrawComputer(Canvas& c, double cx, double cy) {
  const Colour outline{52, 56, 72};
  c.Fill(
      cx - 20, cy + 14, cx + 20, cy + 22,
      [=](double x, double y) { return std::pow((x - cx) / 19, 2) + std::pow((y - cy - 18) / 3.2, 2) <= 1; },
      Solid({20, 30, 60}), 0.18);
  // Base and neck.
  c.Fill(cx - 15, cy + 11, cx + 15, cy + 19, RoundBox(cx - 14.2, cy + 12.2, cx + 14.2, cy + 18.2, 2), Solid(outline));
  c.Fill(cx - 14, cy + 12, cx + 14, cy + 18, RoundBox(cx - 13, cy + 13.4, cx + 13, cy + 17, 1.5),
         Vertical(cy + 13, {236, 232, 216}, cy + 17, {188, 182, 160}));
  c.Fill(cx - 5, cy + 8, cx + 5, cy + 14, RoundBox(cx - 4.5, cy + 8, cx + 4.5, cy + 13.4, 0.5),
         Vertical(cy + 8, {150, 146, 130}, cy + 13, {196, 190, 170}));
  // Monitor case.
  c.Fill(cx - 18, cy - 17, cx + 18, cy + 11, RoundBox(cx - 17.2, cy - 16.2, cx + 17.2, cy + 10.2, 3.5), Solid(outline));
  c.Fill(cx - 17, cy - 16, cx + 17, cy + 10, RoundBox(cx - 16, cy - 15, cx + 16, cy + 9, 2.8),
         Vertical(cy - 15, {246, 244, 234}, cy + 9, {196, 190, 168}));
  // Screen with a glare and a few lines of text.
  c.Fill(cx - 13, cy - 12, cx + 13, cy + 5, RoundBox(cx - 12.5, cy - 11.5, cx + 12.5, cy + 4.5, 1.5), Solid(outline));
  c.Fill(cx - 12, cy - 11, cx + 12, cy + 4, RoundBox(cx - 11.5, cy - 10.5, cx + 11.5, cy + 3.5, 1),
         Vertical(cy - 11, {18, 54, 138}, cy + 4, {56, 150, 232}));
  c.Fill(
      cx - 12, cy - 11, cx + 12, cy + 4,
      [=](double x, double y) {
        return RoundBox(cx - 11.5, cy - 10.5, cx + 11.5, cy + 3.5, 1)(x, y) && (x - cx) + (y - cy) * 1.4 < -4;
      },
      Solid({255, 255, 255}), 0.16);
  const double text[][2] = {{-8, 4}, {-8, 8}, {-8, 1}};
  for (int i = 0; i < 3; ++i) {
    const double ty = cy - 7 + i * 3.5;
    c.Fill(cx - 9, ty - 1, cx + 10, ty + 1, RoundBox(cx + text[i][0], ty - 0.6, cx + text[i][1], ty + 0.6, 0.5),
           Solid({200, 236, 255}), 0.9);
  }
  // Power lamp.
  c.Fill(cx + 10, cy + 5, cx + 15, cy + 9, Disc(cx + 12.5, cy + 6.8, 1.1), Solid({40, 200, 60}));
}

Image DrawLogo() {
  Canvas c(200, 200);
  const Globe g;
  // Sky: pale blue at the top, white where the program name is written.
  c.Fill(Everywhere(), Vertical(0, {206, 222, 246}, 200, {253, 254, 255}));
  c.Fill(Disc(g.cx, g.cy, 86), [&](double x, double y) {
    const double d = std::hypot(x - g.cx, y - g.cy) / 86;
    return Paint({255, 255, 255}, 0.75 * (1 - d));
  });

  // Cables from the computers to the globe, each ending in a connector dot.
  struct Node {
    double x, y;
  };
  const Node computers[] = {{32, 34}, {168, 34}, {30, 150}, {170, 146}};
  std::vector<Node> plugs;
  for (const Node& n : computers) {
    const double dx = g.cx - n.x, dy = g.cy - n.y, len = std::hypot(dx, dy);
    const Node end{g.cx - dx / len * (g.r + 1), g.cy - dy / len * (g.r + 1)};
    plugs.push_back(end);
    c.Fill(Segment(n.x, n.y, end.x, end.y, 3.2), Solid({255, 255, 255}), 0.8);
    c.Fill(Segment(n.x, n.y, end.x, end.y, 1.6), Solid({28, 48, 128}));
  }

  // Orbit behind the globe, the globe, then the orbit's front half.
  const double ra = 84, rb = 21, angle = -0.26;
  c.Fill(OrbitBand(g, ra, rb, angle, 2.4, false), Solid({176, 120, 20}));
  c.Fill(OrbitBand(g, ra, rb, angle, 1.1, false), Solid({250, 196, 64}));
  c.Fill(g.cx - g.r - 1, g.cy - g.r - 1, g.cx + g.r + 1, g.cy + g.r + 1, Disc(g.cx, g.cy, g.r),
         [&](double x, double y) { return GlobeShade(g, x, y, false); });
  c.Fill(
      g.cx - g.r - 1, g.cy - g.r - 1, g.cx + g.r + 1, g.cy + g.r + 1,
      [&](double x, double y) {
        if (!Disc(g.cx, g.cy, g.r)(x, y)) return false;
        const SpherePoint p = OnSphere(g, x, y);
        return IsLand(p.lon, p.lat);
      },
      [&](double x, double y) { return GlobeShade(g, x, y, true); });
  c.Fill(
      g.cx - g.r, g.cy - g.r, g.cx + g.r, g.cy + g.r,
      [&](double x, double y) { return Disc(g.cx, g.cy, g.r - 0.5)(x, y) && OnGraticule(g, x, y); },
      Solid({255, 255, 255}), 0.28);
  c.Fill(Ring(g.cx, g.cy, g.r - 1, g.r + 0.8), Solid({16, 40, 104}));
  c.Fill(OrbitBand(g, ra, rb, angle, 2.4, true), Solid({176, 120, 20}));
  c.Fill(OrbitBand(g, ra, rb, angle, 1.1, true), Solid({255, 214, 90}));
  for (double t : {0.55, 1.9, 2.75}) {
    double x, y;
    OrbitPoint(g, ra, rb, angle, t, x, y);
    c.Fill(Disc(x, y, 4.6), Solid({176, 120, 20}));
    c.Fill(Disc(x, y, 3.4), Solid({255, 255, 255}));
    c.Fill(Disc(x - 0.6, y - 0.6, 1.6), Solid({255, 214, 90}));
  }
  for (const Node& p : plugs) {
    c.Fill(Disc(p.x, p.y, 4.2), Solid({16, 40, 104}));
    c.Fill(Disc(p.x, p.y, 2.8), Solid({255, 204, 60}));
  }
  for (const Node& n : computers) DrawComputer(c, n.x, n.y);
  return c.ToImage();
}

// ---------------------------------------------------------------------------
// Tiles, 250x8 each, repeated in both directions: a gentle wave across the
// width that ends where it starts, and a faint line every fourth row.

Image DrawTile(Colour a, Colour b, double line_lift) {
  Canvas c(250, 8);
  c.Fill(Everywhere(), [=](double x, double y) {
    const double t = 0.5 - 0.5 * std::cos(2 * kPi * (x - 0.5) / 250);
    Colour colour = Mix(a, b, t);
    if (static_cast<int>(y) % 4 == 0) colour = {colour.r + line_lift, colour.g + line_lift, colour.b + line_lift};
    return Paint(colour);
  });
  return c.ToImage();
}

// Button strip: deep blue into purple, dark enough for white captions.
Image DrawStripTile() { return DrawTile({30, 30, 104}, {76, 42, 132}, 7); }
// Form background: the light blue-grey of the client panel.
Image DrawBackgroundTile() { return DrawTile({191, 205, 223}, {205, 216, 231}, 4); }

// ---------------------------------------------------------------------------
// Contact sheet: every picture at 4x, shelf by shelf; transparent pixels show
// a checkerboard.

Image ContactSheet(const std::vector<std::pair<std::string, const Image*>>& pictures) {
  constexpr int kScale = 4, kGap = 16, kMaxWidth = 1600;
  struct Place {
    int x, y;
  };
  std::vector<Place> places;
  int x = kGap, y = kGap, shelf = 0, width = 0;
  for (const auto& [name, image] : pictures) {
    const int w = image->width * kScale, h = image->height * kScale;
    if (x + w + kGap > kMaxWidth && x > kGap) {
      x = kGap;
      y += shelf + kGap;
      shelf = 0;
    }
    places.push_back({x, y});
    x += w + kGap;
    width = std::max(width, x);
    shelf = std::max(shelf, h);
  }
  Image sheet(width, y + shelf + kGap, Rgb{64, 66, 76});
  for (size_t i = 0; i < pictures.size(); ++i) {
    const Image& image = *pictures[i].second;
    for (int sy = -1; sy <= image.height * kScale; ++sy) {
      for (int sx = -1; sx <= image.width * kScale; ++sx) {
        Rgb c{255, 255, 255};  // frame
        if (sx >= 0 && sy >= 0 && sx < image.width * kScale && sy < image.height * kScale) {
          c = image.at(sx / kScale, sy / kScale);
          if (c == kKeyColour) c = ((sx / 8 + sy / 8) % 2) ? Rgb{204, 204, 204} : Rgb{240, 240, 240};
        }
        sheet.at(places[i].x + sx, places[i].y + sy) = c;
      }
    }
  }
  return sheet;
}

// ---------------------------------------------------------------------------

int Run(int argc, char** argv) {
  bool contact_sheet = false;
  std::vector<std::string> folders;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--contact-sheet") {
      contact_sheet = true;
    } else {
      folders.push_back(arg);
    }
  }
  if (folders.size() != 2) {
    std::cerr << "usage: vrex_pixelart [--contact-sheet] <source folder> <output folder>\n";
    return 2;
  }
  const fs::path source_dir = folders[0], output_dir = folders[1];

  std::vector<fs::path> sources;
  for (const auto& entry : fs::directory_iterator(source_dir)) {
    if (entry.is_regular_file() && entry.path().extension() == ".px") sources.push_back(entry.path());
  }
  std::sort(sources.begin(), sources.end());
  if (sources.empty()) throw std::runtime_error("no *.px sources in " + source_dir.string());

  std::vector<SourceFile> parsed;
  for (const fs::path& path : sources) parsed.push_back(ParseSource(ReadFile(path), path.string()));

  // Everything to write, with the file each name comes from.
  std::vector<std::pair<std::string, const Image*>> pictures;
  std::map<std::string, std::string> origin;
  auto claim = [&](const std::string& name, const std::string& where) {
    auto [it, fresh] = origin.emplace(name, where);
    if (!fresh) throw std::runtime_error(where + ": output '" + name + "' is also written by " + it->second);
  };
  const Image logo = DrawLogo(), strip = DrawStripTile(), background = DrawBackgroundTile();
  for (const auto& [name, image] : {std::pair{"logo.bmp", &logo}, std::pair{"strip_tile.bmp", &strip},
                                    std::pair{"background_tile.bmp", &background}}) {
    claim(name, "drawn by vrex_pixelart");
    pictures.emplace_back(name, image);
  }
  for (size_t i = 0; i < parsed.size(); ++i) {
    for (const Picture& p : parsed[i].pictures) {
      claim(p.name, sources[i].string() + ":" + std::to_string(p.line));
      pictures.emplace_back(p.name, &p.image);
      if (!p.hover_name.empty()) {
        claim(p.hover_name, sources[i].string() + ":" + std::to_string(p.line));
        pictures.emplace_back(p.hover_name, &p.hover);
      }
    }
    for (const IconFile& icon : parsed[i].icons)
      claim(icon.name, sources[i].string() + ":" + std::to_string(icon.line));
  }

  fs::create_directories(output_dir);
  for (const auto& [name, image] : pictures) WriteFile(output_dir / name, EncodeBmp(*image));
  size_t icons = 0;
  for (const SourceFile& file : parsed) {
    for (const IconFile& icon : file.icons) {
      std::vector<const Image*> parts;
      for (const std::string& name : icon.pictures) {
        for (const Picture& p : file.pictures) {
          if (p.name == name) parts.push_back(&p.image);
        }
      }
      WriteFile(output_dir / icon.name, EncodeIco(parts));
      ++icons;
    }
  }
  if (contact_sheet) WriteFile(output_dir / "contact_sheet.bmp", EncodeBmp(ContactSheet(pictures)));
  std::cout << "vrex_pixelart: " << pictures.size() << " bitmaps and " << icons << " icon files in "
            << output_dir.string() << "\n";
  return 0;
}

}  // namespace
}  // namespace vrex::pixelart

int main(int argc, char** argv) {
  try {
    return vrex::pixelart::Run(argc, argv);
  } catch (const vrex::pixelart::SourceError& e) {
    std::cerr << e.what() << "\n";
  } catch (const std::exception& e) {
    std::cerr << "vrex_pixelart: " << e.what() << "\n";
  }
  return 1;
}
