#pragma once

// Passing the focus on: one Tab keystroke put into the platform's input, as the user would type
// it, without waiting for it to be handled.
namespace kx {

void SendTabKeystroke();

}  // namespace kx
