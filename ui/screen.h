// The screen as the window layout sees it: its size in twips (1/1440 inch) and how many twips
// make one pixel. The desktop screen is read from the toolkit; tests put a fixed one in place.
#pragma once

namespace lirvo::ui {

class Screen {
  public:
    virtual ~Screen() = default;
    virtual float widthTwips() const = 0;
    virtual float heightTwips() const = 0;
    // 15 at the usual 96 logical dots per inch.
    virtual double twipsPerPixel() const = 0;
};

// The primary screen of the running application, through its logical resolution.
class DesktopScreen : public Screen {
  public:
    float widthTwips() const override;
    float heightTwips() const override;
    double twipsPerPixel() const override;
};

class FixedScreen : public Screen {
  public:
    FixedScreen(float width, float height, double twipsPerPixel = 15)
        : width_(width), height_(height), twipsPerPixel_(twipsPerPixel) {}
    float widthTwips() const override { return width_; }
    float heightTwips() const override { return height_; }
    double twipsPerPixel() const override { return twipsPerPixel_; }

  private:
    float width_, height_;
    double twipsPerPixel_;
};

}  // namespace lirvo::ui
