! figures: a first Lumora program in free-form Fortran with the module lumora.
!
! Opens a graphics window, draws a rectangle, a rounded rectangle, an ellipse, a pie
! slice, a polyline (one period of a sine) and a line of text, then quits. Every call is
! checked: a failed one ends the program with status 1. The module checks each argument
! when the program is compiled; coordinates may be REAL or DOUBLE PRECISION, so the
! program also builds with -fdefault-real-8.
program figures
  use lumora
  implicit none
  integer :: ir, blue, red
  real :: r, w

  call lu_open_window(ir, 0)
  call check(ir, 'lu_open_window')
  ! The world is 100 units high and as wide as the drawing area allows.
  r = lu_get_aspect_ratio(1)
  w = 100.0 * r
  call lu_set_viewport(ir, 0.0, 0.0, r, 1.0)
  call check(ir, 'lu_set_viewport')
  call lu_set_world(ir, 0.0, 0.0, w, 100.0)
  call check(ir, 'lu_set_world')

  blue = lu_make_rgb_colour(0, 0, 160)
  call lu_set_pen(ir, blue, 0, 2, -1)
  call check(ir, 'lu_set_pen')
  call lu_draw_box_a21(ir, 5.0, 60.0, 30.0, 85.0)
  call check(ir, 'lu_draw_box_a21')
  call lu_draw_box_a23(ir, 35.0, 60.0, 60.0, 85.0, 8.0, 8.0)
  call check(ir, 'lu_draw_box_a23')
  call lu_draw_box_a24(ir, 65.0, 60.0, 90.0, 85.0)
  call check(ir, 'lu_draw_box_a24')
  call lu_draw_arc_a27(ir, 95.0, 60.0, 120.0, 85.0, 0.125, 0.75)
  call check(ir, 'lu_draw_arc_a27')

  red = lu_make_rgb_colour(200, 0, 0)
  call lu_set_pen(ir, red, -1, -1, -1)
  call check(ir, 'lu_set_pen')
  call draw_wave(w)

  call lu_set_font(ir, 6.0, 0.0, 0, -1, -1, '')
  call check(ir, 'lu_set_font')
  call lu_draw_text(ir, 5.0, 10.0, 'Figures, a polyline and text from Fortran')
  call check(ir, 'lu_draw_text')
  call lu_quit(ir)

contains

  ! One period of a sine across the lower half of a world w wide.
  subroutine draw_wave(w)
    real, intent(in) :: w
    integer, parameter :: np = 41
    real :: p(2, np), t
    integer :: i, ir
    do i = 1, np
      t = real(i - 1) / real(np - 1)
      p(1, i) = 10.0 + t * (w - 20.0)
      p(2, i) = 35.0 + 15.0 * sin(6.2831853 * t)
    end do
    call lu_draw_polyline(ir, p, np)
    call check(ir, 'lu_draw_polyline')
  end subroutine draw_wave

  ! Ends the program with status 1 when a call gave 0.
  subroutine check(ir, what)
    integer, intent(in) :: ir
    character(len=*), intent(in) :: what
    if (ir /= 0) return
    write (0, '(a, a)') 'figures: failed: ', what
    stop 1
  end subroutine check

end program figures
