! The same calls with the right arguments compile: the control for the programs above.
program accepted
  use lumora
  implicit none
  integer :: ir, k, n
  n = 0
  k = lu_draw_line_in_window(1, 0, 0, 10, 10)
  call lu_set_world(ir, 0.0, 0.0, 1.0, 1.0)
  call lu_set_world(ir, 0.0d0, 0.0d0, 1.0d0, 1.0d0)
  call lu_draw_line(ir, 0.0, 0.0, 1.0, 1.0)
  call lu_close_window(ir, n)
  call lu_quit_with_flag(ir, .false.)
  print *, k
end program accepted
