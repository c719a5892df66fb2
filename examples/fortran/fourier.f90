! fourier: the Fourier program in free-form Fortran with the module lumora. It reads N
! and dt, computes the coefficients of sin(0.1*pi*t) and plots both spectra, the same
! picture as the C++ program and the Fortran 77 twin fourier.f.
program fourier
  use lumora
  implicit none
  integer :: n, m, iw
  integer, parameter :: upper_view = 1, lower_view = 2
  double precision :: dt, t

  call lu_open_window(iw, 0)
  call read_input(n, m, dt, t)
  call draw_frames(m, t)
  call draw_coefficients(n, m, dt, t)
  call lu_quit(iw)

contains

  ! Prompts for N and dt and reads them in free format.
  subroutine read_input(n, m, dt, t)
    integer, intent(out) :: n, m
    double precision, intent(out) :: dt, t
    write (*, '(a)', advance='no') 'number of data points N (even) = '
    read (*, *) n
    write (*, '(a)', advance='no') 'sampling time dt = '
    read (*, *) dt
    t = dble(n) * dt
    m = n / 2
  end subroutine read_input

  ! Both frames: label, axis with ticks, pen colour, saved views.
  subroutine draw_frames(m, t)
    integer, intent(in) :: m
    double precision, intent(in) :: t
    character(len=80) :: label
    write (label, '(a,f7.5)') '     a_k        frequency interval =', &
      6.283185307179586d0 / t
    call draw_frame(m, 0.5, 1.0, label, upper_view)
    call send_plain_command()
    label = '     b_k'
    call draw_frame(m, 0.0, 0.5, label, lower_view)
  end subroutine draw_frames

  ! One frame in the band of the drawing area from y1 to y2.
  subroutine draw_frame(m, y1, y2, label, view)
    integer, intent(in) :: m, view
    real, intent(in) :: y1, y2
    character(len=*), intent(in) :: label
    integer :: ir
    real :: r
    r = lu_get_aspect_ratio(1)
    call lu_set_viewport(ir, 0.0, y1, r, y2)
    call lu_set_world(ir, -1.0, -2.0, real(m) + 1.0, 2.0)
    call lu_draw_text(ir, 0.0, 1.4, label)
    call draw_axis(m, 0.04)
    call lu_set_pen(ir, 13, -1, -1, -1)
    call lu_save_view(ir, view)
  end subroutine draw_frame

  subroutine send_plain_command()
    integer :: ir
    call lu_send_command_a2(ir)
  end subroutine send_plain_command

  ! The axis from 0 to m and a tick at each positive k.
  subroutine draw_axis(m, h)
    integer, intent(in) :: m
    real, intent(in) :: h
    integer :: i, ir
    call lu_draw_line(ir, 0.0, 0.0, real(m), 0.0)
    do i = 1, m
      call lu_draw_line(ir, real(i), -h, real(i), h)
    end do
  end subroutine draw_axis

  ! The coefficients of each k and their bars.
  subroutine draw_coefficients(n, m, dt, t)
    integer, intent(in) :: n, m
    double precision, intent(in) :: dt, t
    integer :: k, i, ir
    double precision :: a, b, w, ti
    do k = 0, m
      a = 0.0d0
      b = 0.0d0
      w = dble(k) * 6.283185307179586d0 / t
      do i = 0, n - 1
        ti = dble(i) * dt
        a = a + cos(w * ti) * signal(ti)
        b = b + sin(w * ti) * signal(ti)
      end do
      call lu_restore_view(ir, upper_view)
      call lu_draw_line(ir, real(k), 0.0, real(k), real(2.0d0 * a / dble(n)))
      call lu_restore_view(ir, lower_view)
      call lu_draw_line(ir, real(k), 0.0, real(k), real(2.0d0 * b / dble(n)))
    end do
  end subroutine draw_coefficients

  ! The test signal.
  pure function signal(t) result(f)
    double precision, intent(in) :: t
    double precision :: f
    f = sin(0.3141592653589793d0 * t)
  end function signal

end program fourier
