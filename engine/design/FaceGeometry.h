#pragma once

namespace vexa {

// Turns the entered finned height into whole tubes at the pitch of the tube
// diameter and works out the face height, face area and face velocity.
void CalculateFaceGeometry();

// Tube pitch in mm for a tube diameter text: "3/8" 25.4, "1/2" 31.75, anything
// else 38.1.
float tubePitchFor(const char* tubeDiameter);

} // namespace vexa
