#pragma once
// The parts of the user interface that logic below the windows touches:
// letting pending messages through, the cursor, and ending the program.
namespace vrex::os {

enum class Cursor { Default, AppStart };

class UserInterface {
 public:
  virtual ~UserInterface() = default;
  // Dispatches the messages waiting in the thread's queue, then returns.
  virtual void ProcessMessages() = 0;
  virtual void SetCursor(Cursor cursor) = 0;
  // The program is to end: the main window is not shown and the message loop
  // ends as soon as it runs.
  virtual void Terminate() = 0;
  virtual bool Terminated() const = 0;
};

// Shows a cursor for the life of the scope, then the default one.
class ScopedCursor {
 public:
  ScopedCursor(UserInterface& ui, Cursor cursor) : ui_(ui) { ui_.SetCursor(cursor); }
  ~ScopedCursor() { ui_.SetCursor(Cursor::Default); }
  ScopedCursor(const ScopedCursor&) = delete;
  ScopedCursor& operator=(const ScopedCursor&) = delete;

 private:
  UserInterface& ui_;
};

}  // namespace vrex::os
