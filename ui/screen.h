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

}  // namespace lirvo::ui
