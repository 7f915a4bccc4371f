#pragma once

// The main window's status-bar panels by number and key, as the project
// window reports to them.

namespace pelmora {

enum class StatusPanel {
    Message = 1,   // "system": short reports, the greeting, hints
    DataPoint = 2, // "datapoint": the chart point under the mouse
    State = 3,     // "conectar": "Ready" or "Working..." beside a picture
    Clock = 4,     // "time": the time of day, today's long date as its tip
};

} // namespace pelmora
