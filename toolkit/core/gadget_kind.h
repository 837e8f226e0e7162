#pragma once

namespace quillmoor::toolkit {

// The six widget kinds the toolkit can build.
enum class GadgetKind { Panel, Text, Check, List, Button, Editor };

}  // namespace quillmoor::toolkit
