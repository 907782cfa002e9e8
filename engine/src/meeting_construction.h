// The meeting of the red clock P and the black clock Q at the clicked point, with its read-outs.
#pragma once

namespace fw {
class Graphics;
}

namespace engine {

// Writes the read-out panel in the viewer's words, draws the clocks P, Q, R and S with their
// construction lines, and shows the panel. Relies on the font the axes left on the surface.
void drawMeetingConstruction(fw::Graphics& g);

} // namespace engine
