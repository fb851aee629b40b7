#pragma once
// The coordinate system the graph shows and reads the mouse in.
enum class CoordType { ctDec, ctPolar };
