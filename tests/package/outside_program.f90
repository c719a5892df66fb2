! The outside program with the module lumora: the library's version text and a colour
! value; with the argument "window" it also opens a window, draws a line in DOUBLE
! PRECISION coordinates and quits. Ends with status 1 when a call fails.
program outside
  use lumora
  implicit none
  integer :: ir
  character(len=40) :: text, argument
  call lu_get_library_info(ir, 2, text)
  if (ir <= 0) stop 1
  write (*, '(a, a)') 'library: ', text(1:ir)
  write (*, '(a, i0)') 'colour: ', lu_make_rgb_colour(1, 2, 3)
  argument = ' '
  if (command_argument_count() > 0) call get_command_argument(1, argument)
  if (argument /= 'window') stop
  call lu_open_window(ir, 0)
  if (ir == 0) stop 1
  call lu_set_world(ir, 0.0d0, 0.0d0, 10.0d0, 10.0d0)
  if (ir == 0) stop 1
  call lu_draw_line(ir, 1.0d0, 1.0d0, 9.0d0, 9.0d0)
  if (ir == 0) stop 1
  call lu_quit(ir)
  write (*, '(a)') 'window: drawn'
end program outside
